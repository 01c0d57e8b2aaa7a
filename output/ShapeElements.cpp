#include "output/ShapeElements.h"

#include <algorithm>
#include <cmath>

#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

namespace {

constexpr double kHeaviestWeight = 31;

}  // namespace

DPoint3d PointAt(const DPoint3d& point, double angle, double distance) {
  return DPoint3d{point.x + distance * std::cos(angle), point.y + distance * std::sin(angle), point.z};
}

double DirectionAngle(const DPoint3d& from, const DPoint3d& to) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  if (std::fabs(dx) < 1e-6 && std::fabs(dy) < 1e-6) return 0;
  const double angle = std::atan2(dy, dx);
  return angle < 0 ? angle + 2 * fc_pi : angle;
}

void RotateElement(MSElement& element, const DPoint3d& centre, double degrees) {
  if (std::fabs(degrees) < 1e-6) return;
  RotMatrix rotation;
  mdlRMatrix_fromAngle(&rotation, degrees * fc_pi / 180.0);
  Transform transform;
  mdlTMatrix_fromRMatrix(&transform, &rotation);
  mdlTMatrix_setOrigin(&transform, &centre);
  mdlElement_transform(&element, &element, &transform);
}

bool DrawsObjects() { return currentOptionSet && (currentOptionSet->ImportObj & kImportObjects); }

UInt32 ShapeWeight(double lineWeight) {
  // A weight the add-in should never send (negative, NaN, astronomic) must not wrap
  // round into some other weight.
  if (!(lineWeight >= 1)) return 0;
  return static_cast<UInt32>(std::min(lineWeight, kHeaviestWeight));
}

void SetShapeSymbology(MSElement& element, int excelColour, UInt32 weight, Int32 style) {
  const UInt32 colour = static_cast<UInt32>(CQVUtiMStation::NearestColorIndex(excelColour));
  mdlElement_setSymbology(&element, &colour, &style, &weight);
  const LevelID level = currentOptionSet ? LevelFromOption(currentOptionSet->AutoShapeLayer) : ActiveLevel();
  mdlElement_setProperties(&element, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

int AppendShapeElement(MSElement& element, const DPoint3d& centre, double degrees, MSElementDescr* cellDscr) {
  RotateElement(element, centre, degrees);
  return mdlElmdscr_appendElement(cellDscr, &element) == SUCCESS ? 1 : 0;
}
