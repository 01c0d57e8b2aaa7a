// Cell fills and hatch patterns: which cells get them, the area they cover, and the
// hatch lines a pattern kind gives.
#include <cmath>
#include <set>

#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "tests/output/DrawerTestSupport.h"

namespace {

constexpr int kRed = 0x0000FF;  // Excel RGB: red in the low byte
constexpr UInt32 kRedIndex = 3;  // red of the design file's default colour table
constexpr UInt32 kBlackIndex = 0;

// The four cells of the merged area B2:C3, each 20 x 10, the area 40 x 20 at (10, 5).
std::vector<CAutoCell> MergedArea() {
  std::vector<CAutoCell> cells;
  const char* addresses[] = {"$B$2", "$C$2", "$B$3", "$C$3"};
  for (int i = 0; i < 4; ++i) {
    CAutoCell cell;
    cell.Address = addresses[i];
    cell.MergeAddress = "$B$2:$C$3";
    cell.Left = 10 + (i % 2) * 20;
    cell.Top = 5 + (i / 2) * 10;
    cell.Width = 20;
    cell.Height = 10;
    cell.LayoutWidth = 40;
    cell.LayoutHeight = 20;
    cell.Interior.ColorIndex = 3;
    cell.Interior.Color = kRed;
    cell.Interior.SetPattern(xlLightHorizontal, kRed, 0);
    cells.push_back(cell);
  }
  return cells;
}

CAutoCell PlainCell(double width = 30, double height = 9) {
  CAutoCell cell;
  cell.Address = cell.MergeAddress = "$A$1";
  cell.Width = cell.LayoutWidth = width;
  cell.Height = cell.LayoutHeight = height;
  return cell;
}

void ExpectCorners(const MSElement& shape, const std::vector<DPoint3d>& expected) {
  ASSERT_EQ(shape.points.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(shape.points[i].x, expected[i].x, 1e-9);
    EXPECT_NEAR(shape.points[i].y, expected[i].y, 1e-9);
  }
}

}  // namespace

using FillsPatternsTest = DrawerTest;

TEST_F(FillsPatternsTest, AMergedAreaIsFilledAndHatchedOnceAtItsSize) {
  const LevelOption patterns = NewLevel("Patterns");
  table.Setup.PatternLevel = patterns;
  const std::vector<CAutoCell> cells = MergedArea();
  int fills = 0, patterned = 0;
  for (const CAutoCell& c : cells) {
    fills += CQVUtiMStation::DrawCellFill(c, cell);
    patterned += CQVUtiMStation::DrawCellPattern(c, cell);
  }
  EXPECT_EQ(fills, 1);
  EXPECT_EQ(patterned, 1);

  const std::vector<MSElement> members = Members();
  ASSERT_FALSE(members.empty());
  const MSElement& fill = members[0];
  EXPECT_EQ(fill.type, SHAPE_ELM);
  EXPECT_EQ(fill.fillMode, FILL_OPAQUE);
  EXPECT_EQ(fill.level, patterns.id);
  EXPECT_EQ(fill.color, kRedIndex);
  ExpectCorners(fill, {{10, -5, 0}, {50, -5, 0}, {50, -25, 0}, {10, -25, 0}, {10, -5, 0}});

  // Light horizontal: lines 3 apart through the area's top-left corner, inside it.
  std::set<double> heights;
  for (size_t i = 1; i < members.size(); ++i) {
    const MSElement& line = members[i];
    EXPECT_EQ(line.type, LINE_ELM);
    EXPECT_EQ(line.level, patterns.id);
    EXPECT_NEAR(line.points[0].y, line.points[1].y, 1e-9);
    EXPECT_NEAR(std::fabs(line.points[1].x - line.points[0].x), 40, 1e-9);
    heights.insert(std::round(line.points[0].y * 1000) / 1000);
  }
  EXPECT_EQ(heights, (std::set<double>{-8, -11, -14, -17, -20, -23}));
}

TEST_F(FillsPatternsTest, FillsFollowTheColourIndexAndWidenAtDoubleEdges) {
  struct Case {
    const char* name;
    int colourIndex;
    std::vector<int> doubleSides;
    std::vector<DPoint3d> corners;  // empty: no fill
  } cases[] = {
      {"a plain fill", 6, {}, {{0, 0, 0}, {30, 0, 0}, {30, -9, 0}, {0, -9, 0}, {0, 0, 0}}},
      {"automatic colour index: no fill, whatever the colour", xlAutomatic, {}, {}},
      {"no colour index: no fill", xlNone, {}, {}},
      {"a double top edge reaches half the gap above the cell",
       6,
       {kEdgeTop},
       {{0, 0.5, 0}, {30, 0.5, 0}, {30, -9, 0}, {0, -9, 0}, {0, 0.5, 0}}},
      {"double edges all round",
       6,
       {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight},
       {{-0.5, 0.5, 0}, {30.5, 0.5, 0}, {30.5, -9.5, 0}, {-0.5, -9.5, 0}, {-0.5, 0.5, 0}}},
  };
  table.Setup.doubleLineGap = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    CAutoCell filled = PlainCell();
    filled.Interior.ColorIndex = c.colourIndex;
    filled.Interior.Color = kRed;
    for (int side : c.doubleSides) filled.Borders.Edges[side].StyleName = "Double";
    EXPECT_EQ(CQVUtiMStation::DrawCellFill(filled, cell), c.corners.empty() ? 0 : 1);
    const std::vector<MSElement> members = Members();
    if (c.corners.empty()) {
      EXPECT_TRUE(members.empty());
      continue;
    }
    ASSERT_EQ(members.size(), 1u);
    // Without a pattern level the fill stays on the level it was made on.
    EXPECT_EQ(members[0].level, ActiveLevelNow());
    EXPECT_EQ(members[0].weight, 0u);
    ExpectCorners(members[0], c.corners);
  }
}

TEST_F(FillsPatternsTest, PatternKindsGiveTheirHatches) {
  struct Case {
    const char* name;
    int excelPattern;
    int patternColour;
    UInt32 colourIndex;
    const char* patternName;
    double spacing;
    UInt32 weight;
    Int32 style;
    bool across;  // a second hatch at a right angle
  } cases[] = {
      {"grey 50: dotted lines both ways 3 apart", xlGray50, 0, kBlackIndex, "DOTS", 3, 0, 1, true},
      {"grid: lines both ways 4 apart", xlGrid, kRed, kRedIndex, "NET", 4, 0, 0, true},
      {"light horizontal: one way, thin", xlLightHorizontal, kRed, kRedIndex, "LINE", 3, 0, 0, false},
      {"horizontal: one way, heavy", xlPatternHorizontal, kRed, kRedIndex, "PLAST", 4, 2, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    CAutoCell hatched = PlainCell(30, 9);
    hatched.Interior.SetPattern(c.excelPattern, c.patternColour, 0);
    ASSERT_EQ(hatched.Interior.PatternName, c.patternName);
    EXPECT_DOUBLE_EQ(hatched.Interior.PatternSpacing, c.spacing);
    ASSERT_EQ(CQVUtiMStation::DrawCellPattern(hatched, cell), 1);

    std::set<double> rows, columns;
    for (const MSElement& line : Members()) {
      EXPECT_EQ(line.type, LINE_ELM);
      EXPECT_EQ(line.color, c.colourIndex);
      EXPECT_EQ(line.weight, c.weight);
      EXPECT_EQ(line.style, c.style);
      const bool horizontal = std::fabs(line.points[0].y - line.points[1].y) < 1e-9;
      const bool vertical = std::fabs(line.points[0].x - line.points[1].x) < 1e-9;
      ASSERT_TRUE(horizontal || vertical);
      if (horizontal) rows.insert(std::round(line.points[0].y * 1000) / 1000);
      if (vertical) columns.insert(std::round(line.points[0].x * 1000) / 1000);
    }
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(columns.empty(), !c.across);
    // Every line is `spacing` from the next, counted from the area's corner.
    for (double y : rows) EXPECT_NEAR(std::remainder(y, c.spacing), 0, 1e-9) << y;
    for (double x : columns) EXPECT_NEAR(std::remainder(x, c.spacing), 0, 1e-9) << x;
  }
}

TEST_F(FillsPatternsTest, CellsWithoutAKnownPatternDrawNoHatch) {
  struct Case {
    const char* name;
    std::string patternName;
  } cases[] = {{"no pattern", ""}, {"a name no kind has", "WAVES"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CAutoCell cell0 = PlainCell();
    cell0.Interior.PatternName = c.patternName;
    cell0.Interior.PatternSpacing = 3;
    cell0.Interior.PatternAngle = 0;
    EXPECT_EQ(CQVUtiMStation::DrawCellPattern(cell0, cell), 0);
    EXPECT_TRUE(Members().empty());
  }
}
