#include "output/PolygonVertices.h"

#include <algorithm>
#include <cmath>

#include "automation/ShapeRecordLayout.h"
#include "output/ShapeElements.h"

namespace {

DPoint3d P(double x, double y) { return DPoint3d{x, y, 0}; }

std::vector<DPoint3d> Rectangle(const PolygonBox& b) {
  const double l = b.left, r = b.left + b.width, t = -b.top, d = -b.top - b.height;
  return {P(l, t), P(r, t), P(r, d), P(l, d), P(l, t)};
}

std::vector<DPoint3d> RoundedRectangle(const PolygonBox& b, double s) {
  const double r = std::fabs(b.adjustment1) * s;
  const double L = b.left, T = b.top, W = b.width, H = b.height;
  return {P(L + r, -T),         P(L + W - r, -T), P(L + W, -T - r), P(L + W, -T - H + r), P(L + W - r, -T - H),
          P(L + r, -T - H),     P(L, -T - H + r), P(L, -T - r),     P(L + r, -T)};
}

std::vector<DPoint3d> Octagon(const PolygonBox& b, double s) {
  const double a = b.adjustment1 * s;
  const double L = b.left, T = b.top, W = b.width, H = b.height;
  return {P(L + a, -T),         P(L + W - a, -T),     P(L + W, -T - a), P(L + W, -T - (H - a)),
          P(L + W - a, -T - H), P(L + a, -T - H),     P(L, -T - (H - a)), P(L, -T - a),
          P(L + a, -T)};
}

std::vector<DPoint3d> Triangle(const PolygonBox& b) {
  const double L = b.left, T = b.top, W = b.width, H = b.height;
  return {P(L + W * b.adjustment1, -T), P(L + W, -T - H), P(L, -T - H), P(L + W * b.adjustment1, -T)};
}

std::vector<DPoint3d> Hexagon(const PolygonBox& b, double s) {
  const double a = b.adjustment1 * s;
  const double L = b.left, T = b.top, W = b.width, H = b.height;
  return {P(L, -T - H / 2),     P(L + a, -T),     P(L + W - a, -T), P(L + W, -T - H / 2),
          P(L + W - a, -T - H), P(L + a, -T - H), P(L, -T - H / 2)};
}

// A block arrow pointing along theta from its tail, its sides to n+ and n-.
std::vector<DPoint3d> BlockArrow(int type, const PolygonBox& b, double s) {
  const bool horizontal = type == kMsoShapeRightArrow || type == kMsoShapeLeftArrow;
  const double along = horizontal ? b.width : b.height;
  const double across = horizontal ? b.height : b.width;
  double theta = 0, plus = 0, minus = 0;
  switch (type) {
    case kMsoShapeRightArrow: theta = 0, plus = fc_pi / 2, minus = -fc_pi / 2; break;
    case kMsoShapeLeftArrow: theta = fc_pi, plus = -fc_pi / 2, minus = fc_pi / 2; break;
    case kMsoShapeUpArrow: theta = fc_pi / 2, plus = fc_pi, minus = 0; break;
    default: theta = -fc_pi / 2, plus = 0, minus = -fc_pi; break;
  }
  const double t = type == kMsoShapeRightArrow || type == kMsoShapeDownArrow ? b.adjustment1 : 1 - b.adjustment1;
  double E, J, K;
  if (b.excelVersion >= 12) {
    E = across * t / 2;
    J = along - b.adjustment2 * s;
    K = across * (1 - t) / 2;
  } else {
    E = across * (0.5 - b.adjustment2);
    J = along * t;
    K = across * b.adjustment2;
  }
  const DPoint3d centre = P(b.left + b.width / 2, -b.top - b.height / 2);
  const DPoint3d tail = PointAt(centre, theta, -along / 2);
  const DPoint3d tip = PointAt(centre, theta, along / 2);
  const DPoint3d sidePlus = PointAt(tail, plus, E), sideMinus = PointAt(tail, minus, E);
  const DPoint3d neckPlus = PointAt(sidePlus, theta, J), neckMinus = PointAt(sideMinus, theta, J);
  return {sidePlus, neckPlus, PointAt(neckPlus, plus, K), tip, PointAt(neckMinus, minus, K), neckMinus, sideMinus,
          sidePlus};
}

}  // namespace

std::vector<DPoint3d> PolygonVertices(int autoShapeType, const PolygonBox& box) {
  const double s = std::min(box.width, box.height);
  switch (autoShapeType) {
    case kMsoShapeRectangle: return Rectangle(box);
    case kMsoShapeRoundedRectangle: return RoundedRectangle(box, s);
    case kMsoShapeOctagon: return Octagon(box, s);
    case kMsoShapeIsoscelesTriangle: return Triangle(box);
    case kMsoShapeHexagon: return Hexagon(box, s);
    case kMsoShapeRightArrow:
    case kMsoShapeLeftArrow:
    case kMsoShapeUpArrow:
    case kMsoShapeDownArrow: return BlockArrow(autoShapeType, box, s);
    default: return {};
  }
}
