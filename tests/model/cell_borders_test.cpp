// A cell's edges: lookup by Excel's border index, kinds and style derivation.
#include "model/ExcelConstants.h"
#include "tests/model/ModelTestSupport.h"

namespace {

TEST(CellBordersTest, ExcelBorderIndexesNameTheEdges) {
  CAutoBorders borders;
  const std::pair<int, int> named[] = {{xlDiagonalDown, kEdgeDiagonalDown}, {xlDiagonalUp, kEdgeDiagonalUp},
                                       {xlEdgeTop, kEdgeTop},               {xlEdgeBottom, kEdgeBottom},
                                       {xlEdgeLeft, kEdgeLeft},             {xlEdgeRight, kEdgeRight}};
  for (auto [excelIndex, position] : named) EXPECT_EQ(&borders.Edges[position], borders.GetBorder(excelIndex));
  for (int excelIndex : {0, 4, 11, 12, -1}) {
    EXPECT_EQ(nullptr, borders.GetBorder(excelIndex)) << excelIndex;
    EXPECT_EQ(kEdgeKindNone, borders.GetBorderKind(excelIndex)) << excelIndex;
  }
}

TEST(CellBordersTest, KindsAreNoneSingleOrDouble) {
  const std::pair<const char*, int> cases[] = {
      {"", kEdgeKindNone}, {"CONTINUOUS", kEdgeKindSingle}, {"DASHED", kEdgeKindSingle},
      {"Double", kEdgeKindDouble}, {"DOUBLE", kEdgeKindDouble}};
  for (auto [styleName, kind] : cases) {
    CAutoBorders borders;
    borders.GetBorder(xlEdgeRight)->StyleName = styleName;
    EXPECT_EQ(kind, borders.GetBorderKind(xlEdgeRight)) << styleName;
    EXPECT_EQ(kEdgeKindNone, borders.GetBorderKind(xlEdgeLeft));
  }
}

TEST(CellBordersTest, StylesWithoutADerivationKeepWhatTheEdgeHad) {
  QuorvelleSetup setup;
  CAutoBorder edge;
  edge.LineStyle = xlDashDot;
  edge.DeriveStyle(setup);
  ASSERT_EQ("DASHDOT", edge.StyleName);
  ASSERT_EQ(4, edge.LineCode);

  edge.LineStyle = xlDouble;  // a double line keeps the line code it had
  edge.DeriveStyle(setup);
  EXPECT_EQ("Double", edge.StyleName);
  EXPECT_EQ(4, edge.LineCode);

  edge.LineStyle = xlLineStyleNone;
  edge.DeriveStyle(setup);
  EXPECT_EQ("Double", edge.StyleName);
  EXPECT_EQ(4, edge.LineCode);
}

}  // namespace
