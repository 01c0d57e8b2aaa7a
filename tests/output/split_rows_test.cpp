// Splitting a long table into columns side by side at the two picked corners.
#include <algorithm>
#include <vector>

#include "output/CQVUtiMStation.h"
#include "tests/output/OutputTestSupport.h"

namespace {

struct SplitCase {
  const char* name;
  std::vector<double> rowHeights;
  DPoint3d first, second;  // master units
  double k;
  std::vector<int> columns;  // expected column of each row
  std::vector<double> tops;  // expected top of each row in its column
  std::vector<int> breaks;   // rows after which a new column starts
};

}  // namespace

using SplitRowsToColumnsTest = OutputTest;

TEST_F(SplitRowsToColumnsTest, RowsFlowIntoColumns) {
  const DPoint3d origin{0, 0, 0};
  const double columnStep = 30;  // in points
  SplitCase cases[] = {
      {"rows flow down and over", {4, 4, 4, 4, 4}, origin, {30, -10, 0}, 1, {0, 0, 1, 1, 2}, {0, 4, 0, 4, 0}, {1, 3}},
      {"picked distances are divided by k", {4, 4, 4, 4, 4}, origin, {60, -20, 0}, 2, {0, 0, 1, 1, 2},
       {0, 4, 0, 4, 0}, {1, 3}},
      {"a first row taller than the column stays in the first", {15, 4, 4, 4}, origin, {30, -10, 0}, 1,
       {0, 1, 1, 2}, {0, 0, 4, 0}, {0, 2}},
      {"a later row taller than the column stays whole in the next", {4, 25, 4}, origin, {30, -10, 0}, 1,
       {0, 1, 2}, {0, 0, 0}, {0, 1}},
      {"points on one vertical line", {4, 4, 4}, origin, {0, -10, 0}, 1, {0, 0, 0}, {0, 4, 8}, {}},
      {"points on one horizontal line", {4, 4, 4}, origin, {30, 5e-7, 0}, 1, {0, 0, 0}, {0, 4, 8}, {}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    table.Reset();
    table.Setup.SplitRowsToColumns = 1;
    table.Setup.firstColumnOrigin = c.first;
    table.Setup.secondColumnOrigin = c.second;
    table.Setup.CellDrawingUnits = c.k;
    double top = 0;
    for (double height : c.rowHeights) {
      CQuorvelleRow row;
      for (int j = 0; j < 2; ++j) {
        CAutoCell gridCell;
        gridCell.Left = j * 20;
        gridCell.Width = 20;
        gridCell.Top = top;
        gridCell.Height = height;
        row.Cells.push_back(gridCell);
      }
      table.Rows.push_back(row);
      top += height;
    }
    NewTableCell();
    ASSERT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, nullptr, kFuncCreate), 1);
    mdlElmdscr_freeAll(&cell);

    // The border processing adds a closing row below the table's own rows.
    for (size_t i = 0; i < c.rowHeights.size(); ++i) {
      SCOPED_TRACE(i);
      bool breakAfter = std::find(c.breaks.begin(), c.breaks.end(), static_cast<int>(i)) != c.breaks.end();
      for (int j = 0; j < 2; ++j) {
        const CAutoCell& moved = table.Cell(static_cast<int>(i), j);
        EXPECT_DOUBLE_EQ(moved.Left, j * 20 + c.columns[i] * columnStep);
        EXPECT_DOUBLE_EQ(moved.Top, c.tops[i]);
        EXPECT_EQ(moved.Borders.ColumnBreakAfter, breakAfter ? 1 : 0);
      }
    }
  }
}

TEST_F(SplitRowsToColumnsTest, NothingMovesWithTheOptionOff) {
  AddGrid(5, 2, 20, 4);
  table.Setup.firstColumnOrigin = {0, 0, 0};
  table.Setup.secondColumnOrigin = {30, -10, 0};
  NewTableCell();
  ASSERT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, nullptr, kFuncCreate), 1);
  EXPECT_DOUBLE_EQ(table.Cell(4, 1).Left, 20);
  EXPECT_DOUBLE_EQ(table.Cell(4, 1).Top, 16);
}
