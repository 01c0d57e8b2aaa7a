#include "sim/dgn/ElementGeometry.h"

#include <algorithm>
#include <cmath>

#include "sim/dgn/TextLayout.h"

namespace sim {

DPoint3d Add(const DPoint3d& a, const DPoint3d& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
DPoint3d Sub(const DPoint3d& a, const DPoint3d& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
DPoint3d Scale(const DPoint3d& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(const DPoint3d& a, const DPoint3d& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
DPoint3d Cross(const DPoint3d& a, const DPoint3d& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Norm(const DPoint3d& a) { return std::sqrt(Dot(a, a)); }
DPoint3d Column(const RotMatrix& m, int c) { return {m.form3d[0][c], m.form3d[1][c], m.form3d[2][c]}; }
void SetColumn(RotMatrix& m, int c, const DPoint3d& v) {
  m.form3d[0][c] = v.x;
  m.form3d[1][c] = v.y;
  m.form3d[2][c] = v.z;
}
DPoint3d Multiply(const RotMatrix& m, const DPoint3d& v) {
  return {m.form3d[0][0] * v.x + m.form3d[0][1] * v.y + m.form3d[0][2] * v.z,
          m.form3d[1][0] * v.x + m.form3d[1][1] * v.y + m.form3d[1][2] * v.z,
          m.form3d[2][0] * v.x + m.form3d[2][1] * v.y + m.form3d[2][2] * v.z};
}
DPoint3d ApplyLinear(const Transform& t, const DPoint3d& v) {
  return {t.form3d[0][0] * v.x + t.form3d[0][1] * v.y + t.form3d[0][2] * v.z,
          t.form3d[1][0] * v.x + t.form3d[1][1] * v.y + t.form3d[1][2] * v.z,
          t.form3d[2][0] * v.x + t.form3d[2][1] * v.y + t.form3d[2][2] * v.z};
}
DPoint3d Apply(const Transform& t, const DPoint3d& p) {
  DPoint3d q = ApplyLinear(t, p);
  return {q.x + t.form3d[0][3], q.y + t.form3d[1][3], q.z + t.form3d[2][3]};
}

void Range3d::Extend(const DPoint3d& p) {
  low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
  high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
}
void Range3d::Extend(const Range3d& r) {
  if (r.IsNull()) return;
  Extend(r.low);
  Extend(r.high);
}
bool Range3d::Contains(const DPoint3d& p, double tol) const {
  return !IsNull() && p.x >= low.x - tol && p.x <= high.x + tol && p.y >= low.y - tol && p.y <= high.y + tol;
}

namespace {

DPoint3d Unit(const DPoint3d& v, const DPoint3d& fallback) {
  double n = Norm(v);
  return n > 0 ? Scale(v, 1 / n) : fallback;
}

// A right-handed orthonormal frame whose x axis is along x and whose y axis is the
// part of y perpendicular to it.
RotMatrix Frame(const DPoint3d& xAxis, const DPoint3d& yAxis, const DPoint3d& zHint) {
  DPoint3d x = Unit(xAxis, {1, 0, 0});
  DPoint3d y = Sub(yAxis, Scale(x, Dot(yAxis, x)));
  if (Norm(y) <= 0) y = Cross(Unit(zHint, {0, 0, 1}), x);
  y = Unit(y, {0, 1, 0});
  RotMatrix m;
  SetColumn(m, 0, x);
  SetColumn(m, 1, y);
  SetColumn(m, 2, Cross(x, y));
  return m;
}

// Ellipses and arcs: p(t) = c + u cos t + v sin t stays such a curve under any affine
// map with the transformed u and v as conjugate axes; they are then turned into the
// principal axes, shifting the angles by the same amount.
void TransformConic(MSElement& el, const Transform& t) {
  DPoint3d u = ApplyLinear(t, Scale(Column(el.matrix, 0), el.primary));
  DPoint3d v = ApplyLinear(t, Scale(Column(el.matrix, 1), el.secondary));
  DPoint3d normal = ApplyLinear(t, Column(el.matrix, 2));
  // Axes that are still perpendicular stay as they are (no swap of the radii).
  double uv = Dot(u, v);
  double theta = std::fabs(uv) <= 1e-12 * (Dot(u, u) + Dot(v, v)) ? 0 : 0.5 * std::atan2(2 * uv, Dot(u, u) - Dot(v, v));
  double c = std::cos(theta), s = std::sin(theta);
  DPoint3d major = Add(Scale(u, c), Scale(v, s));
  DPoint3d minor = Add(Scale(u, -s), Scale(v, c));
  el.origin = Apply(t, el.origin);
  el.primary = Norm(major);
  el.secondary = Norm(minor);
  // The frame's z axis is major x minor = u x v: a mirror leaves the curve traced the
  // same way round in a frame whose normal points the other way.
  el.matrix = Frame(major, minor, normal);
  el.start -= theta;
}

void TransformOriented(MSElement& el, const Transform& t) {
  DPoint3d ex = ApplyLinear(t, Column(el.matrix, 0));
  DPoint3d ey = ApplyLinear(t, Column(el.matrix, 1));
  DPoint3d ez = ApplyLinear(t, Column(el.matrix, 2));
  double sx = Norm(ex), sy = Norm(ey);
  el.origin = Apply(t, el.origin);
  el.matrix = Frame(ex, ey, ez);
  el.width *= sx;
  el.height *= sy;
  el.textParams.lineSpacing *= sy;
  el.textParams.underlineSpacing *= sy;
}

}  // namespace

void TransformElement(MSElement& el, const Transform& t) {
  switch (el.type) {
    case LINE_ELM:
    case LINE_STRING_ELM:
    case SHAPE_ELM:
      for (auto& p : el.points) p = Apply(t, p);
      break;
    case ELLIPSE_ELM:
    case ARC_ELM:
      TransformConic(el, t);
      break;
    case CELL_HEADER_ELM: {
      el.origin = Apply(t, el.origin);
      RotMatrix m;
      for (int c = 0; c < 3; ++c) SetColumn(m, c, ApplyLinear(t, Column(el.matrix, c)));
      el.matrix = m;
      break;
    }
    case TEXT_ELM:
    case TEXT_NODE_ELM:
      TransformOriented(el, t);
      break;
    default:
      el.origin = Apply(t, el.origin);
      for (auto& p : el.points) p = Apply(t, p);
      break;
  }
}

void TransformNode(ElementNode& node, const Transform& t) {
  TransformElement(node.el, t);
  for (auto& m : node.members) TransformNode(m, t);
}

void SplitCellMatrix(const RotMatrix& matrix, RotMatrix* rotation, DPoint3d* scale) {
  DPoint3d s{Norm(Column(matrix, 0)), Norm(Column(matrix, 1)), Norm(Column(matrix, 2))};
  RotMatrix r;
  const double norms[3] = {s.x, s.y, s.z};
  for (int c = 0; c < 3; ++c)
    SetColumn(r, c, norms[c] > 0 ? Scale(Column(matrix, c), 1 / norms[c]) : Column(RotMatrix{}, c));
  if (Dot(Cross(Column(r, 0), Column(r, 1)), Column(r, 2)) < 0) {
    s.x = -s.x;
    SetColumn(r, 0, Scale(Column(r, 0), -1));
  }
  if (rotation) *rotation = r;
  if (scale) *scale = s;
}

std::vector<DPoint3d> CurvePoints(const MSElement& el, int segments) {
  std::vector<DPoint3d> pts;
  double start = el.type == ARC_ELM ? el.start : 0;
  double sweep = el.type == ARC_ELM ? el.sweep : 2 * M_PI;
  DPoint3d u = Scale(Column(el.matrix, 0), el.primary);
  DPoint3d v = Scale(Column(el.matrix, 1), el.secondary);
  for (int i = 0; i <= segments; ++i) {
    double a = start + sweep * i / segments;
    pts.push_back(Add(el.origin, Add(Scale(u, std::cos(a)), Scale(v, std::sin(a)))));
  }
  return pts;
}

Range3d ElementRange(const MSElement& el) {
  Range3d r;
  switch (el.type) {
    case ELLIPSE_ELM:
    case ARC_ELM:
      for (const auto& p : CurvePoints(el)) r.Extend(p);
      break;
    case TEXT_ELM: {
      DPoint3d box[5];
      TextBox(box, el);
      for (const auto& p : box) r.Extend(p);
      break;
    }
    case CELL_HEADER_ELM:
    case TEXT_NODE_ELM:
      r.Extend(el.origin);
      break;
    default:
      for (const auto& p : el.points) r.Extend(p);
      break;
  }
  return r;
}

Range3d NodeRange(const ElementNode& node) {
  if (node.members.empty()) return ElementRange(node.el);
  Range3d r;
  for (const auto& m : node.members) r.Extend(NodeRange(m));
  return r;
}

namespace {
bool Finite(const DPoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool Finite(const RotMatrix& m) {
  for (const auto& row : m.form3d)
    for (double v : row)
      if (!std::isfinite(v)) return false;
  return true;
}
}  // namespace

const char* GeometryProblem(const MSElement& el) {
  switch (el.type) {
    case LINE_ELM:
      if (el.points.size() != 2) return "a line needs two points";
      break;
    case LINE_STRING_ELM:
      if (el.points.size() < 2) return "a line string needs at least two points";
      break;
    case SHAPE_ELM:
      if (el.points.size() < 3) return "a shape needs at least three points";
      break;
    case ELLIPSE_ELM:
    case ARC_ELM:
      if (!std::isfinite(el.primary) || !std::isfinite(el.secondary) || el.primary < 0 || el.secondary < 0)
        return "radii must be finite and not negative";
      if (!std::isfinite(el.start) || !std::isfinite(el.sweep)) return "angles must be finite";
      break;
    case TEXT_ELM:
    case TEXT_NODE_ELM:
      if (!std::isfinite(el.height) || !std::isfinite(el.width) || el.height < 0 || el.width < 0)
        return "text size must be finite and not negative";
      break;
    case CELL_HEADER_ELM:
      break;
    default:
      return "unknown element type";
  }
  for (const auto& p : el.points)
    if (!Finite(p)) return "points must be finite";
  if (!Finite(el.origin) || !Finite(el.matrix)) return "origin and matrix must be finite";
  return nullptr;
}

}  // namespace sim
