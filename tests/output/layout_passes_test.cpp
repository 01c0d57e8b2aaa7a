// The layout passes run before drawing: centre-across-selection runs and merged
// areas.
#include <string>

#include "model/ExcelConstants.h"
#include "model/LayoutPasses.h"
#include "tests/output/OutputTestSupport.h"

namespace {

// One row from marks: 't' a centre-across cell with text, 'b' an empty one, 'x' a
// cell with text and ordinary alignment, 'm' a centre-across cell with text inside
// an area Excel merged. Cell j is (j + 1) * 10 wide.
CQuorvelleRow RowOf(const std::string& marks, int rowNumber = 1) {
  CQuorvelleRow row;
  double left = 0;
  for (size_t j = 0; j < marks.size(); ++j) {
    CAutoCell cell;
    cell.Address = "$" + std::string(1, static_cast<char>('A' + j)) + "$" + std::to_string(rowNumber);
    cell.MergeAddress = marks[j] == 'm' ? "$A$1:$Z$9" : cell.Address;
    cell.Left = left;
    cell.Width = cell.LayoutWidth = (j + 1) * 10.0;
    left += cell.Width;
    cell.HorizontalAlignment = marks[j] == 'x' ? xlLeft : xlCenterAcrossSelection;
    if (marks[j] != 'b') cell.SetText(u"T");
    cell.TextInfo1 = "info";
    for (auto& edge : cell.Borders.Edges) edge.StyleName = "Continuous";
    row.Cells.push_back(cell);
  }
  return row;
}

}  // namespace

using CentreAcrossSelectionTest = OutputTest;

TEST_F(CentreAcrossSelectionTest, RunsBecomeCentredMergedAreas) {
  struct Case {
    const char* marks;
    std::vector<std::string> areas;  // merge address of each cell
    std::vector<double> layoutWidths;
    std::vector<bool> texts;
  } cases[] = {
      {"tbbb", {"$A$1:$D$1", "$A$1:$D$1", "$A$1:$D$1", "$A$1:$D$1"}, {100, 100, 100, 100}, {true, false, false, false}},
      {"tt", {"$A$1", "$B$1"}, {10, 20}, {true, true}},
      {"tbxb", {"$A$1:$B$1", "$A$1:$B$1", "$C$1", "$D$1"}, {30, 30, 30, 40}, {true, false, true, false}},
      {"btbtb", {"$A$1", "$B$1:$C$1", "$B$1:$C$1", "$D$1:$E$1", "$D$1:$E$1"}, {10, 50, 50, 90, 90},
       {false, true, false, true, false}},
      {"mb", {"$A$1:$Z$9", "$B$1"}, {10, 20}, {true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.marks);
    table.Reset();
    table.Rows.push_back(RowOf(c.marks));
    table.Rows.push_back(RowOf("bt", 2));
    EXPECT_EQ(ApplyCentreAcrossSelection(table), 2);
    const auto& cells = table.Rows[0].Cells;
    for (size_t j = 0; j < cells.size(); ++j) {
      SCOPED_TRACE(j);
      EXPECT_EQ(cells[j].MergeAddress, c.areas[j]);
      EXPECT_DOUBLE_EQ(cells[j].LayoutWidth, c.layoutWidths[j]);
      EXPECT_EQ(cells[j].HasText(), c.texts[j]);
      // The cell strings go with the text of a cell taken into a run.
      if (c.marks[j] == 'b' && c.areas[j].find(':') != std::string::npos) {
        EXPECT_TRUE(cells[j].TextInfo1.empty());
      }
      // Cells with text that were centred across their selection are centred.
      if (c.marks[j] == 't') {
        EXPECT_EQ(cells[j].HorizontalAlignment, xlCenter);
      }
    }
    // Runs never reach into the next row.
    EXPECT_EQ(table.Rows[1].Cells[0].MergeAddress, "$A$2");
  }
}

TEST_F(CentreAcrossSelectionTest, MergedRunLosesItsInnerEdges) {
  table.Rows.push_back(RowOf("tbb"));
  ApplyCentreAcrossSelection(table);
  NormaliseMergedCells(table);
  const auto& cells = table.Rows[0].Cells;
  EXPECT_FALSE(cells[0].Borders.Edges[kEdgeLeft].StyleName.empty());
  EXPECT_TRUE(cells[0].Borders.Edges[kEdgeRight].StyleName.empty());
  EXPECT_TRUE(cells[1].Borders.Edges[kEdgeLeft].StyleName.empty());
  EXPECT_TRUE(cells[1].Borders.Edges[kEdgeRight].StyleName.empty());
  EXPECT_TRUE(cells[2].Borders.Edges[kEdgeLeft].StyleName.empty());
  EXPECT_FALSE(cells[2].Borders.Edges[kEdgeRight].StyleName.empty());
  for (const CAutoCell& c : cells) EXPECT_FALSE(c.Borders.Edges[kEdgeTop].StyleName.empty());

  CQuorvelle empty;
  empty.Rows.resize(1);
  NormaliseMergedCells(empty);
  EXPECT_TRUE(empty.Rows[0].Cells.empty());
}
