// The size options' passes: distances in the user's units, column widths, row heights
// and text sizes given by the options, and cells that follow their texts.
#include <string>
#include <vector>

#include "host/msmodel.h"
#include "model/LayoutPasses.h"
#include "tests/model/ModelTestSupport.h"

namespace {

std::string Column(int j) { return std::string(1, static_cast<char>('A' + j)); }

class SizePassesTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    sim::SetUnits(1000, 1000, UNIT_METRES, UNIT_MILLIMETRES);
  }

  // A grid of cells side by side: column j as wide as widths[j], every row as high as
  // `height`, every text of the font size `sizes[j]`.
  void Grid(const std::vector<double>& widths, int rows, double height, const std::vector<double>& sizes = {}) {
    table.Rows.clear();
    for (int i = 0; i < rows; ++i) {
      CQuorvelleRow row;
      double left = 0;
      for (std::size_t j = 0; j < widths.size(); ++j) {
        CAutoCell cell;
        cell.Address = cell.MergeAddress = "$" + Column(static_cast<int>(j)) + "$" + std::to_string(i + 1);
        cell.Left = left;
        cell.Top = i * height;
        cell.Width = cell.LayoutWidth = widths[j];
        cell.Height = cell.LayoutHeight = height;
        cell.Font.Size = j < sizes.size() ? sizes[j] : 10;
        left += widths[j];
        row.Cells.push_back(cell);
      }
      table.Rows.push_back(row);
    }
  }

  void Merge(int row, int firstColumn, int lastColumn, int lastRow) {
    const std::string area = "$" + Column(firstColumn) + "$" + std::to_string(row + 1) + ":$" + Column(lastColumn) +
                             "$" + std::to_string(lastRow + 1);
    double width = 0, height = 0;
    for (int j = firstColumn; j <= lastColumn; ++j) width += table.Cell(row, j).Width;
    for (int i = row; i <= lastRow; ++i) height += table.Cell(i, firstColumn).Height;
    for (int i = row; i <= lastRow; ++i) {
      for (int j = firstColumn; j <= lastColumn; ++j) {
        CAutoCell& cell = table.Cell(i, j);
        cell.MergeAddress = area;
        cell.LayoutWidth = width;  // the area's size, as Excel gives it
        cell.LayoutHeight = height;
      }
    }
  }

  // Every row's cells side by side, and every row right under the one above.
  void ExpectAdjacent() {
    for (int i = 0; i < table.RowCount(); ++i) {
      const auto& cells = table.Rows[i].Cells;
      for (std::size_t j = 1; j < cells.size(); ++j)
        EXPECT_NEAR(cells[j - 1].Left + cells[j - 1].Width, cells[j].Left, 1e-9) << "row " << i << " column " << j;
      if (i > 0) {
        EXPECT_NEAR(table.Cell(i - 1, 0).Top + table.Cell(i - 1, 0).Height, table.Cell(i, 0).Top, 1e-9);
      }
    }
  }

  std::vector<double> Widths(int row = 0) {
    std::vector<double> widths;
    for (const CAutoCell& cell : table.Rows[row].Cells) widths.push_back(cell.Width);
    return widths;
  }
};

TEST_F(SizePassesTest, DistancesAreReadInTheActiveModelsUnits) {
  struct Case {
    const char* text;
    double masterUnits;
  };
  sim::SetUnits(1000, 12, UNIT_FEET, UNIT_INCHES);
  const Case inFeet[] = {
      {"2.5", 2.5},   {" 3 ", 3},       {"1:6", 1.5},       {":6", 0.5},   {"1:", 1},       {"2' 6\"", 2.5},
      {"6\"", 0.5},   {"2'", 2},        {"2'6", 2.5},       {"", 0},       {"  ", 0},       {"abc", 0},
      {"1e400", 0},   {"nan", 0},       {"inf", 0},         {"12mm", 0},   {"x:6", 0.5},    {"-4", -4},
      {"+4", 4},      {"2e9", 0},       {"1:1e400", 1},
  };
  for (const Case& c : inFeet) EXPECT_DOUBLE_EQ(c.masterUnits, ParseDistance(c.text)) << c.text;

  // Feet and inches become the master unit, whatever it is.
  sim::SetUnits(1000, 1000, UNIT_METRES, UNIT_MILLIMETRES);
  EXPECT_NEAR(0.762, ParseDistance("2' 6\""), 1e-12);
  EXPECT_NEAR(0.1524, ParseDistance("6\""), 1e-12);
  EXPECT_DOUBLE_EQ(1.25, ParseDistance("1:250"));

  const std::vector<double> entries = {20, 0, 30, 1.5};
  EXPECT_EQ(entries, ParseDistances(";20;;0;30;1:500;"));
}

TEST_F(SizePassesTest, ColumnWidthsReplaceExcelsAndKeepColumnsSideBySide) {
  Grid({10, 20, 30, 40}, 2, 15);
  Merge(1, 1, 2, 1);  // B2:C2
  ChangeColumnWidths(table, "20;0;30");
  for (int i = 0; i < 2; ++i) EXPECT_EQ((std::vector<double>{20, 20, 30, 30}), Widths(i));
  ExpectAdjacent();
  EXPECT_DOUBLE_EQ(70, table.Cell(0, 3).Left);
  EXPECT_DOUBLE_EQ(20, table.Cell(0, 1).LayoutWidth);
  EXPECT_DOUBLE_EQ(50, table.Cell(1, 1).LayoutWidth);  // the merged area's two columns

  // Sub-units: one entry for every column.
  sim::SetUnits(1000, 12, UNIT_FEET, UNIT_INCHES);
  ChangeColumnWidths(table, "1:6");
  EXPECT_EQ((std::vector<double>{1.5, 1.5, 1.5, 1.5}), Widths());
  ExpectAdjacent();

  // Texts that give no width change nothing.
  for (const char* none : {"", ";;", "0", "x;y", "-3"}) {
    ChangeColumnWidths(table, none);
    EXPECT_EQ((std::vector<double>{1.5, 1.5, 1.5, 1.5}), Widths()) << none;
  }
}

TEST_F(SizePassesTest, RowHeightsReplaceExcelsAndSetTheMargins) {
  Grid({10, 10}, 3, 15);
  Merge(0, 1, 1, 1);  // B1:B2
  ChangeRowHeights(table, "5", table.Setup);
  for (int i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(5, table.Cell(i, 0).Height);
    EXPECT_DOUBLE_EQ(5, table.Cell(i, 1).Height);
    EXPECT_DOUBLE_EQ(5.0 * i, table.Cell(i, 0).Top);
  }
  EXPECT_DOUBLE_EQ(5, table.Cell(0, 0).LayoutHeight);
  EXPECT_DOUBLE_EQ(10, table.Cell(0, 1).LayoutHeight);  // the merged area's two rows
  EXPECT_NEAR(0.809, table.Setup.TopMargin, 1e-12);
  EXPECT_NEAR(0.809, table.Setup.LeftMargin, 1e-12);

  // An entry that keeps its row is no height for the margins, wherever it stands.
  for (const char* text : {"0;8;12", "12;8;0", "8;0;12"}) {
    SCOPED_TRACE(text);
    Grid({10}, 3, 15);
    table.Setup.TopMargin = table.Setup.LeftMargin = 2;
    ChangeRowHeights(table, text, table.Setup);
    EXPECT_NEAR(8 * 0.1618, table.Setup.TopMargin, 1e-12);
    ExpectAdjacent();
  }
  // Without a height nothing changes, the margins neither.
  Grid({10}, 2, 15);
  ChangeRowHeights(table, "0;;x", table.Setup);
  EXPECT_DOUBLE_EQ(15, table.Cell(1, 0).Top);
  EXPECT_DOUBLE_EQ(8 * 0.1618, table.Setup.TopMargin);
}

TEST_F(SizePassesTest, FontSizesGiveTextHeightsAndWidths) {
  table.Setup.CellScaleOpt = 2;
  Grid({30, 30}, 1, 15, {10, 20});
  ChangeFontHeights(table, "10:2.5*2", table.Setup);
  EXPECT_DOUBLE_EQ(2.5, table.Cell(0, 0).Font.Size);
  EXPECT_DOUBLE_EQ(2, table.Cell(0, 0).Font.FixedWidth);
  EXPECT_DOUBLE_EQ(5, table.Cell(0, 1).Font.Size);  // 20 x 2.5 / 10
  EXPECT_DOUBLE_EQ(-0.2, table.Cell(0, 1).Font.FixedWidth);  // no width of its own: still none
  EXPECT_EQ((std::vector<double>{30, 30}), Widths());  // the cells keep their sizes

  // Without a width the text is as wide as the width factor makes it.
  Grid({30}, 1, 15, {10});
  table.Setup.TextWFactor = 0.8;
  ChangeFontHeights(table, "10:2.5", table.Setup);
  EXPECT_DOUBLE_EQ(2.0, table.Cell(0, 0).Font.FixedWidth);

  // Entries without a size or a height are no entries.
  for (const char* none : {"0:3", "12:0", "12", ":3", "abc:3", "0:3;12:0"}) {
    Grid({30}, 1, 15, {12});
    ChangeFontHeights(table, none, table.Setup);
    EXPECT_DOUBLE_EQ(12, table.Cell(0, 0).Font.Size) << none;
    EXPECT_DOUBLE_EQ(-1, table.Cell(0, 0).Font.FixedWidth) << none;
  }
}

TEST_F(SizePassesTest, CellsFollowTheirTextsAndStaySideBySide) {
  table.Setup.CellScaleOpt = 0;
  table.Setup.FontScaleOpt = 2;
  const double r = table.Setup.fontToCellRatio;
  ASSERT_DOUBLE_EQ(1, table.Setup.PlacementScale());

  // One factor throughout: every place and size is multiplied by it.
  Grid({30, 40}, 2, 15, {10, 10});
  table.Setup.LeftMargin = table.Setup.TopMargin = table.Setup.indentWidth = 1;
  ChangeFontHeights(table, "10:2.5*2", table.Setup);
  const double across = 2 / (10 * r), down = 2.5 / (10 * r);
  EXPECT_NEAR(30 * across, table.Cell(1, 1).Left, 1e-9);
  EXPECT_NEAR(40 * across, table.Cell(1, 1).Width, 1e-9);
  EXPECT_NEAR(15 * down, table.Cell(1, 1).Top, 1e-9);
  EXPECT_NEAR(15 * down, table.Cell(1, 1).Height, 1e-9);
  EXPECT_NEAR(down, table.Setup.LeftMargin, 1e-12);
  EXPECT_NEAR(down, table.Setup.TopMargin, 1e-12);
  EXPECT_NEAR(down, table.Setup.indentWidth, 1e-12);

  // Columns and rows of different factors: each takes its largest text, and each
  // starts where the one before it ends.
  Grid({30, 40, 50}, 3, 15, {10, 20, 10});
  table.Cell(2, 0).Font.Size = 20;
  Merge(0, 1, 2, 1);  // B1:C2
  ChangeFontHeights(table, "10:2.5*2;20:4*6", table.Setup);
  ExpectAdjacent();
  const double narrow = 2 / (10 * r), wide = 6 / (20 * r);
  EXPECT_NEAR(30 * wide, table.Cell(0, 0).Width, 1e-9);  // row 3 holds a size 20 text in column A
  EXPECT_NEAR(40 * wide, table.Cell(0, 1).Width, 1e-9);
  EXPECT_NEAR(50 * narrow, table.Cell(0, 2).Width, 1e-9);
  EXPECT_NEAR(40 * wide + 50 * narrow, table.Cell(0, 1).LayoutWidth, 1e-9);
  const double low = 2.5 / (10 * r), high = 4 / (20 * r);
  EXPECT_NEAR(15 * std::max(low, high), table.Cell(0, 0).Height, 1e-9);
  EXPECT_NEAR(2 * 15 * std::max(low, high), table.Cell(0, 1).LayoutHeight, 1e-9);
}

}  // namespace
