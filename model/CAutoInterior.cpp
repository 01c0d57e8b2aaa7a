#include "model/CAutoInterior.h"

#include "model/ExcelConstants.h"

namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kSevenQuarterPi = 5.497787143782138;
constexpr double kInchesPerMillimetre = 0.03937007874015748;

struct Hatch {
  int excelPattern;
  const char* name;
  double angle;
  double spacing;  // in pattern units
};

const Hatch kHatches[] = {
    {xlChecker, "NET", kQuarterPi, 3},
    {xlCrissCross, "NET", kQuarterPi, 3},
    {xlGrid, "NET", 0, 4},
    {xlSemiGray75, "DOTS", 0, 2},
    {xlGray75, "DOTS", 0, 2},
    {xlGray50, "DOTS", 0, 3},
    {xlGray25, "DOTS", 0, 4},
    {xlGray16, "DOTS", 0, 5},
    {xlGray8, "DOTS", 0, 8},
    {xlLightHorizontal, "LINE", 0, 3},
    {xlLightVertical, "LINE", kHalfPi, 3},
    {xlLightUp, "LINE", kQuarterPi, 3},
    {xlLightDown, "LINE", kSevenQuarterPi, 3},
    {xlPatternHorizontal, "PLAST", 0, 4},
    {xlPatternVertical, "PLAST", kHalfPi, 4},
    {xlPatternUp, "PLAST", kQuarterPi, 4},
    {xlPatternDown, "PLAST", kSevenQuarterPi, 4},
};

}  // namespace

void CAutoInterior::SetPattern(int excelPattern, int patternColor, int patternUnitFlag) {
  const double unit = patternUnitFlag == 1 ? kInchesPerMillimetre : 1.0;
  for (const Hatch& hatch : kHatches)
    if (hatch.excelPattern == excelPattern) {
      PatternName = hatch.name;
      PatternColor = patternColor;
      PatternAngle = hatch.angle;
      PatternSpacing = hatch.spacing * unit;
      return;
    }
  PatternName.clear();
}
