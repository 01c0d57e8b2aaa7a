#include "output/COvalShape.h"

#include <cmath>
#include <cstdio>

#include "host/msoutput.h"
#include "output/OutputTexts.h"
#include "output/ShapeElements.h"

void COvalShape::SetFromBox(double left, double top, double width, double height) {
  Left = left, Top = top, Width = width, Height = height;
  Centre = DPoint3d{left + width / 2, -top - height / 2, 0};
  RadiusX = width / 2;
  RadiusY = height / 2;
  mdlRMatrix_fromAngle(&RotationMatrix, Rotation * fc_pi / 180.0);
}

int COvalShape::Draw(MSElementDescr* cellDscr) {
  if (!DrawsObjects()) return 1;
  if (RadiusX < 1e-6 || RadiusY < 1e-6) return 0;
  const UInt32 weight = ShapeWeight(LineWeight);
  MSElement ellipse;
  if (!(FillTransparency > 1e-6) && FillVisible && (FillColor & 0xFFFFFF) != 0xFFFFFF &&
      mdlEllipse_create(&ellipse, nullptr, &Centre, RadiusX, RadiusY, &RotationMatrix, FILL_OPAQUE) == SUCCESS) {
    SetShapeSymbology(ellipse, FillColor, weight);
    AppendShapeElement(ellipse, Centre, 0, cellDscr);
  }
  if (LineVisible && mdlEllipse_create(&ellipse, nullptr, &Centre, RadiusX, RadiusY, &RotationMatrix, FILL_NONE) == SUCCESS) {
    SetShapeSymbology(ellipse, LineColor, weight);
    AppendShapeElement(ellipse, Centre, 0, cellDscr);
  }
  return 1;
}

namespace {

// Excel's angles run clockwise from three o'clock; quadrant 1 is [0, 90), 2 [90, 180),
// 3 [-180, -90), 4 [-90, 0). 0 when the angle is no number.
int Quadrant(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  double a = std::fmod(degrees, 360.0);  // never a loop: the add-in may send anything
  if (a >= 180) a -= 360;
  if (a < -180) a += 360;
  if (a >= 0 && a < 90) return 1;
  if (a >= 90 && a < 180) return 2;
  if (a >= -180 && a < -90) return 3;
  if (a >= -90 && a < 0) return 4;
  return 0;
}

double C(double degrees) { return std::fabs(std::cos(degrees * fc_pi / 180.0)); }
double Z(double degrees) { return std::fabs(std::sin(degrees * fc_pi / 180.0)); }

struct Ellipse {
  double rx, ry, cx, cy;
};

// The ellipse whose arc from s to e fills the box (L, T, W, H), y downwards, by the
// quadrants of the two ends.
Ellipse EllipseOfArc(double L, double T, double W, double H, double s, double e) {
  const int qs = Quadrant(s), qe = Quadrant(e);
  const bool oneQuadrant = qs == qe && e > s + 1e-6;
  if (qs == qe && !oneQuadrant) return {W / 2, H / 2, L + W / 2, T + H / 2};  // the arc goes round
  const double cs = C(s), ce = C(e), zs = Z(s), ze = Z(e);
  const double cmax = std::max(cs, ce), zmax = std::max(zs, ze);
  double rx = 0, ry = 0;
  switch (qs * 10 + qe) {
    case 11: rx = W / cs, ry = H / ze; return {rx, ry, L, T + H};
    case 12: rx = W / (cs + ce), ry = H; return {rx, ry, L + ce * rx, T + H};
    case 13: rx = W / (cs + 1), ry = H / (ze + 1); return {rx, ry, L + rx, T + ry};
    case 14: rx = W / (cmax + 1), ry = H / 2; return {rx, ry, L + rx, T + ry};
    case 21: rx = W / 2, ry = H / (zmax + 1); return {rx, ry, L + rx, T + zmax * ry};
    case 22: rx = W / ce, ry = H / zs; return {rx, ry, L + ce * rx, T + zs * ry};
    case 23: rx = W, ry = H / (zs + ze); return {rx, ry, L + rx, T + zs * ry};
    case 24: rx = W / (ce + 1), ry = H / (zs + 1); return {rx, ry, L + rx, T + zs * ry};
    case 31: rx = W / (cs + 1), ry = H / (ze + 1); return {rx, ry, L + cs * rx, T + ze * ry};
    case 32: rx = W / (cmax + 1), ry = H / 2; return {rx, ry, L + cmax * rx, T + ry};
    case 33: rx = W / cs, ry = H / ze; return {rx, ry, L + W, T};
    case 34: rx = W / (cs + ce), ry = H; return {rx, ry, L + cs * rx, T};
    case 41: rx = W, ry = H / (zs + ze); return {rx, ry, L, T + ze * ry};
    case 42: rx = W / (ce + 1), ry = H / (zs + 1); return {rx, ry, L + ce * rx, T + ry};
    case 43: rx = W / 2, ry = H / (zmax + 1); return {rx, ry, L + rx, T + ry};
    default: rx = W / ce, ry = H / zs; return {rx, ry, L, T};  // 44
  }
}

// The angle of the ellipse's parameter at the Excel angle, kept on the same side.
double ParameterAngle(double degrees, double rx, double ry) {
  const double x = degrees * fc_pi / 180.0;
  double angle = std::atan(std::sin(x) * ry / (std::cos(x) * rx));
  if (degrees > 90 + 1e-6) angle += fc_pi;
  if (degrees < -90 - 1e-6) angle -= fc_pi;
  return angle;
}

}  // namespace

bool CArcShape::SetFromBox(double left, double top, double width, double height, double s, double e,
                           bool verticalFlip, bool horizontalFlip) {
  Left = left, Top = top, Width = width, Height = height;
  BoxCentre = DPoint3d{left + width / 2, -top - height / 2, 0};
  if (ExcelVersion >= 12) {
    SetFromEllipseBox(s, e, verticalFlip, horizontalFlip);
    return true;
  }
  return SetFromArcBox(s, e, verticalFlip, horizontalFlip);
}

bool CArcShape::SetFromArcBox(double s, double e, bool verticalFlip, bool horizontalFlip) {
  if (s > e + 1e-6) std::swap(s, e);
  if (verticalFlip) {
    s = -s, e = -e;
    std::swap(s, e);
  }
  if (horizontalFlip) {
    s = (s > 0 ? 180 : -180) - s;
    e = (e > 0 ? 180 : -180) - e;
    std::swap(s, e);
  }
  for (double angle : {s, e})
    if (!Quadrant(angle)) {
      char message[128];
      std::snprintf(message, sizeof message, kArcAngleUnrounded, angle);
      mdlOutput_message(message);
      return false;
    }
  const Ellipse ellipse = EllipseOfArc(Left, Top, Width, Height, s, e);
  Width = 2 * ellipse.rx, Height = 2 * ellipse.ry;
  Left = ellipse.cx - ellipse.rx, Top = ellipse.cy - ellipse.ry;
  Centre = DPoint3d{Left + Width / 2, -Top - Height / 2, 0};
  RadiusX = Width / 2, RadiusY = Height / 2;
  StartAngle = ParameterAngle(s, RadiusX, RadiusY);
  EndAngle = ParameterAngle(e, RadiusX, RadiusY);
  return true;
}

// Excel's angles are the directions from the centre to the arc's ends, clockwise with
// y downwards; the arc runs clockwise from the start to the end. Drawn with y upwards
// it runs counter-clockwise from the end's mirror image to the start's, and the host
// wants the ellipse's own parameter at each end, not the direction.
void CArcShape::SetFromEllipseBox(double s, double e, bool verticalFlip, bool horizontalFlip) {
  if (verticalFlip) {
    s = -s, e = -e;
    std::swap(s, e);
  }
  if (horizontalFlip) {
    s = 180 - s, e = 180 - e;
    std::swap(s, e);
  }
  Centre = BoxCentre;
  RadiusX = Width / 2, RadiusY = Height / 2;
  auto parameter = [this](double degrees) {
    const double x = degrees * fc_pi / 180.0;
    return std::atan2(std::sin(x) * RadiusX, std::cos(x) * RadiusY);
  };
  StartAngle = parameter(-e);
  double sweep = std::fmod(parameter(-s) - StartAngle, 2 * fc_pi);
  if (sweep <= 1e-12) sweep += 2 * fc_pi;
  EndAngle = StartAngle + sweep;
}

int CArcShape::Draw(MSElementDescr* cellDscr) {
  if (!DrawsObjects()) return 1;
  if (!(RadiusX >= 1e-6 && RadiusY >= 1e-6) || !std::isfinite(RadiusX) || !std::isfinite(RadiusY)) return 0;
  MSElement arc;
  if (LineVisible && mdlArc_create(&arc, nullptr, &Centre, RadiusX, RadiusY, nullptr, StartAngle,
                                   std::fabs(EndAngle - StartAngle)) == SUCCESS) {
    SetShapeSymbology(arc, LineColor, ShapeWeight(LineWeight));
    AppendShapeElement(arc, BoxCentre, Rotation, cellDscr);
  }
  return 1;
}
