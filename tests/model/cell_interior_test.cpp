// Excel's fill patterns as hatches.
#include <string>

#include "model/CAutoInterior.h"
#include "model/ExcelConstants.h"
#include "tests/model/ModelTestSupport.h"

namespace {

constexpr double kQuarter = 0.7853981633974483;
constexpr double kHalf = 1.5707963267948966;
constexpr double kSevenQuarters = 5.497787143782138;

TEST(CellInteriorTest, EachExcelPatternHasItsHatch) {
  struct Case {
    int pattern;
    const char* name;
    double angle, spacing;
  };
  const Case cases[] = {
      {9, "NET", kQuarter, 3},       {16, "NET", kQuarter, 3},     {15, "NET", 0, 4},
      {10, "DOTS", 0, 2},            {-4126, "DOTS", 0, 2},        {-4125, "DOTS", 0, 3},
      {-4124, "DOTS", 0, 4},         {17, "DOTS", 0, 5},           {18, "DOTS", 0, 8},
      {11, "LINE", 0, 3},            {12, "LINE", kHalf, 3},       {14, "LINE", kQuarter, 3},
      {13, "LINE", kSevenQuarters, 3}, {-4128, "PLAST", 0, 4},     {-4166, "PLAST", kHalf, 4},
      {-4162, "PLAST", kQuarter, 4}, {-4121, "PLAST", kSevenQuarters, 4},
  };
  for (int unitFlag : {0, 1}) {
    const double unit = unitFlag == 1 ? 1 / 25.4 : 1;
    for (const Case& k : cases) {
      SCOPED_TRACE(std::to_string(k.pattern) + " unit flag " + std::to_string(unitFlag));
      CAutoInterior interior;
      interior.SetPattern(k.pattern, 0x336699, unitFlag);
      EXPECT_EQ(k.name, interior.PatternName);
      EXPECT_EQ(k.angle, interior.PatternAngle);
      EXPECT_DOUBLE_EQ(k.spacing * unit, interior.PatternSpacing);
      EXPECT_EQ(0x336699, interior.PatternColor);
    }
  }
}

TEST(CellInteriorTest, PatternsWithoutAHatchEmptyOnlyTheName) {
  for (int pattern : {1, xlNone, xlAutomatic, 0, 99}) {
    CAutoInterior interior;
    interior.SetPattern(xlGray50, 0x111111, 0);
    interior.SetPattern(pattern, 0x222222, 0);
    EXPECT_EQ("", interior.PatternName) << pattern;
    EXPECT_EQ(0.0, interior.PatternAngle);
    EXPECT_EQ(3.0, interior.PatternSpacing);
  }
  CAutoInterior fresh;
  fresh.SetPattern(1, 0x222222, 0);
  EXPECT_EQ(10.0, fresh.PatternAngle);
  EXPECT_EQ(1.0, fresh.PatternSpacing);
}

}  // namespace
