#include "output/CArrowShape.h"

#include "automation/ShapeRecordLayout.h"
#include "output/ShapeElements.h"

namespace {

double ArrowheadSize(int code) {
  switch (code) {
    case kMsoArrowheadShort: return 5.25;
    case kMsoArrowheadLong: return 11.25;
    default: return 7.5;
  }
}

// Heavy lines get larger arrowheads, as they do in Excel.
double WeightAllowance(double lineWeight, double factor) { return lineWeight >= 1 ? factor * lineWeight : 0; }

}  // namespace

CArrowShape::CArrowShape(int style, int lengthCode, int widthCode, const DPoint3d& tip, double direction,
                         double lineWeight, int lineColor, double rotation, const DPoint3d& rotationCentre)
    : ArrowStyle(style), LineEnd(tip), RotationCentre(rotationCentre), tip_(tip) {
  LineWeight = lineWeight;
  LineColor = lineColor;
  Rotation = rotation;
  const double forward = direction, side = direction + fc_pi / 2;
  double length = ArrowheadSize(lengthCode) + WeightAllowance(lineWeight, 2);
  double width = ArrowheadSize(widthCode) + WeightAllowance(lineWeight, 2);
  switch (style) {
    case kMsoArrowheadStealth: {
      const DPoint3d q1 = PointAt(PointAt(tip, forward, -length), side, width / 2);
      const DPoint3d notch = PointAt(tip, forward, -2.0 / 3.0 * length);
      const DPoint3d q2 = PointAt(q1, side, -width);
      Vertices = {tip, q1, notch, q2, tip};
      LineEnd = notch;
      break;
    }
    case kMsoArrowheadDiamond:
      length = width = 7.5 + WeightAllowance(lineWeight, 2);
      Vertices = {PointAt(tip, forward, length / 2), PointAt(tip, side, width / 2), PointAt(tip, forward, -length / 2),
                  PointAt(tip, side, -width / 2), PointAt(tip, forward, length / 2)};
      break;
    case kMsoArrowheadOval:
      ovalRadius_ = 3.75 + WeightAllowance(lineWeight, 1);
      break;
    case kMsoArrowheadOpen: {
      const DPoint3d base = PointAt(tip, forward, -length);
      Vertices = {PointAt(base, side, width / 2), tip, PointAt(base, side, -width / 2)};
      break;
    }
    default: {  // the triangle, and any style Excel adds later
      const DPoint3d base = PointAt(tip, forward, -length);
      Vertices = {tip, PointAt(base, side, width / 2), PointAt(base, side, -width / 2), tip};
      LineEnd = base;
      break;
    }
  }
}

int CArrowShape::Append(MSElement& element, MSElementDescr* cellDscr) const {
  SetShapeSymbology(element, LineColor, ShapeWeight(LineWeight));
  return AppendShapeElement(element, RotationCentre, Rotation, cellDscr);
}

int CArrowShape::Draw(MSElementDescr* cellDscr) {
  MSElement element;
  if (ArrowStyle == kMsoArrowheadOval) {
    if (mdlEllipse_create(&element, nullptr, &tip_, ovalRadius_, ovalRadius_, nullptr, FILL_OPAQUE) != SUCCESS) return 0;
    return Append(element, cellDscr);
  }
  if (ArrowStyle == kMsoArrowheadOpen) {
    int drawn = 0;
    for (int stroke = 0; stroke < 2; ++stroke) {
      const DPoint3d ends[2] = {Vertices[stroke], Vertices[stroke + 1]};
      if (mdlLine_create(&element, nullptr, ends) == SUCCESS) drawn |= Append(element, cellDscr);
    }
    return drawn;
  }
  if (mdlShape_create(&element, nullptr, Vertices.data(), static_cast<int>(Vertices.size()), FILL_OPAQUE) != SUCCESS)
    return 0;
  return Append(element, cellDscr);
}
