// Border and diagonal lines: their levels by weight, their colours by the colour
// option, and diagonals kept inside double borders.
#include <limits>

#include "model/CAutoLine.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "tests/output/DrawerTestSupport.h"

namespace {

CAutoLine Segment(int excelWeight, int colour = 0x0000FF) {
  CAutoLine s;
  s.StyleName = "DASHED";
  s.LineCode = 3;
  s.LineStyle = xlDash;
  s.Weight = excelWeight;
  s.LineWeight = 2;
  s.Color = colour;
  s.Start = {0, 0, 0};
  s.End = {20, 0, 0};
  return s;
}

}  // namespace

using BorderLinesTest = DrawerTest;

TEST_F(BorderLinesTest, BorderLevelsFollowTheLevelOptions) {
  enum Expect { Active, BorderLayer, Medium, Thick };
  struct Case {
    const char* name;
    int oneLevel;
    bool borderNamed, mediumNamed, thickNamed;
    int excelWeight;
    Expect level;
  } cases[] = {
      {"one level, named", 1, true, true, true, xlMedium, BorderLayer},
      {"one level with an empty name stays on the active level", 1, false, true, true, xlThick, Active},
      {"by weight: medium", 0, true, true, true, xlMedium, Medium},
      {"by weight: thick", 0, true, true, true, xlThick, Thick},
      {"by weight: thin on the border level", 0, true, true, true, xlThin, BorderLayer},
      {"by weight: hairline on the border level", 0, true, true, true, xlHairline, BorderLayer},
      {"by weight: a medium level without name", 0, true, false, true, xlMedium, Active},
  };
  const LevelOption border = NewLevel("Borders"), medium = NewLevel("Medium"), thick = NewLevel("Thick");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QuorvelleSetup& setup = table.Setup;
    setup.BorderOnOneLevel = c.oneLevel;
    setup.BorderLayer = c.borderNamed ? border : LevelOption{};
    setup.MediumBorderLevel = c.mediumNamed ? medium : LevelOption{};
    setup.ThickBorderLevel = c.thickNamed ? thick : LevelOption{};
    const LevelID expected[] = {ActiveLevelNow(), border.id, medium.id, thick.id};

    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    ASSERT_EQ(CQVUtiMStation::DrawBorderSegment(Segment(c.excelWeight), cell), 1);
    ASSERT_EQ(Members().size(), 1u);
    EXPECT_EQ(Members()[0].level, expected[c.level]);
  }
}

TEST_F(BorderLinesTest, BorderColoursFollowTheColourOption) {
  struct Case {
    const char* name;
    int lineColourOption;
    int thin, medium, thick;
    int excelWeight;
    UInt32 colour;
  } cases[] = {
      {"from Excel: the nearest colour", 1, 6, 5, 7, xlThick, 3},
      {"by weight: thin", 2, 6, 5, 7, xlThin, 6},
      {"by weight: hairline as thin", 2, 6, 5, 7, xlHairline, 6},
      {"by weight: medium", 2, 6, 5, 7, xlMedium, 5},
      {"by weight: thick", 2, 6, 5, 7, xlThick, 7},
      {"by weight: thick colour 300 keeps the level's colour", 2, 6, 5, 300, xlThick, COLOR_BYLEVEL},
      {"by weight: a negative index keeps the level's colour", 2, -1, 5, 7, xlThin, COLOR_BYLEVEL},
      {"by level", 0, 6, 5, 7, xlThin, COLOR_BYLEVEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Setup.LineClrOpt = c.lineColourOption;
    table.Setup.ThinColorIndex = c.thin;
    table.Setup.MediumColorIndex = c.medium;
    table.Setup.ThickColorIndex = c.thick;
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    ASSERT_EQ(CQVUtiMStation::DrawBorderSegment(Segment(c.excelWeight), cell), 1);
    const MSElement line = Members().at(0);
    EXPECT_EQ(line.color, c.colour);
    EXPECT_EQ(line.weight, 2u);
    EXPECT_EQ(line.style, 3);
    EXPECT_EQ(line.points[1].x - line.points[0].x, 20);
  }
}

TEST_F(BorderLinesTest, ASegmentThatCannotBeALineAppendsNothing) {
  CAutoLine s = Segment(xlThin);
  s.End.x = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(CQVUtiMStation::DrawBorderSegment(s, cell), 0);
  EXPECT_TRUE(Members().empty());
}

TEST_F(BorderLinesTest, DiagonalsCrossTheMergedAreaInsideDoubleEdges) {
  struct Case {
    const char* name;
    std::vector<int> doubleSides;
    DPoint3d downStart, downEnd, upStart, upEnd;
  } cases[] = {
      {"no double edge", {}, {10, -5, 0}, {50, -25, 0}, {10, -25, 0}, {50, -5, 0}},
      {"a double top edge", {kEdgeTop}, {10, -5.5, 0}, {50, -25, 0}, {10, -25, 0}, {50, -5.5, 0}},
      {"double edges all round",
       {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight},
       {10.5, -5.5, 0},
       {49.5, -24.5, 0},
       {10.5, -24.5, 0},
       {49.5, -5.5, 0}},
  };
  table.Setup.LineClrOpt = 2;
  table.Setup.ThinColorIndex = 9;
  table.Setup.ThickColorIndex = 4;
  const LevelOption thick = NewLevel("Thick");
  table.Setup.BorderOnOneLevel = 0;
  table.Setup.ThickBorderLevel = thick;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CAutoCell merged;
    merged.Address = "$B$2";
    merged.MergeAddress = "$B$2:$C$3";
    merged.Left = 10;
    merged.Top = 5;
    merged.Width = 20;
    merged.Height = 10;
    merged.LayoutWidth = 40;
    merged.LayoutHeight = 20;
    for (int side : c.doubleSides) merged.Borders.Edges[side].StyleName = "double";
    for (int diagonal : {kEdgeDiagonalDown, kEdgeDiagonalUp}) {
      CAutoBorder& edge = merged.Borders.Edges[diagonal];
      edge.StyleName = "CONTINUOUS";
      edge.Weight = xlThick;
      edge.LineWeight = 4;
    }
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    ASSERT_EQ(CQVUtiMStation::DrawDiagonalDown(merged, cell), 1);
    ASSERT_EQ(CQVUtiMStation::DrawDiagonalUp(merged, cell), 1);

    const std::vector<MSElement> lines = Members();
    ASSERT_EQ(lines.size(), 2u);
    const DPoint3d expected[2][2] = {{c.downStart, c.downEnd}, {c.upStart, c.upEnd}};
    for (int i = 0; i < 2; ++i) {
      for (int k = 0; k < 2; ++k) {
        EXPECT_DOUBLE_EQ(lines[i].points[k].x, expected[i][k].x);
        EXPECT_DOUBLE_EQ(lines[i].points[k].y, expected[i][k].y);
      }
      // Coloured like thin borders, on the level of their weight.
      EXPECT_EQ(lines[i].color, 9u);
      EXPECT_EQ(lines[i].weight, 4u);
      EXPECT_EQ(lines[i].level, thick.id);
    }
  }
}

TEST_F(BorderLinesTest, ACellWithoutDiagonalsDrawsNone) {
  CAutoCell plain;
  plain.Width = plain.LayoutWidth = 20;
  plain.Height = plain.LayoutHeight = 10;
  EXPECT_EQ(CQVUtiMStation::DrawDiagonalDown(plain, cell), 0);
  EXPECT_EQ(CQVUtiMStation::DrawDiagonalUp(plain, cell), 0);
  EXPECT_TRUE(Members().empty());
}
