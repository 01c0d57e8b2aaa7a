// Sizes and positions in points from real workbooks: column widths through the
// default font's digit width, row heights, hidden columns and rows, merged areas.
#include "sim/excel/xlsx/DigitWidth.h"
#include "sim/excel/xlsx/SheetGeometry.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

TEST(XlsxGeometry, DigitWidthOfTheDefaultFonts) {
  EXPECT_EQ(7, sim::MaxDigitWidth("Calibri", 11));
  EXPECT_EQ(7, sim::MaxDigitWidth("Arial", 10));
  // A font the machine lacks is measured as the family fontconfig offers for it, as
  // Windows maps a missing font to another: its default sans-serif, DejaVu Sans (9
  // pixels) where installed, else Liberation Sans standing in for Arial (8); not
  // Calibri's 7. A name that reads as a fontconfig list of families is still one name.
  for (const char* missing : {"No Such Font", "No Such Font,Carlito"}) {
    int width = sim::MaxDigitWidth(missing, 11);
    EXPECT_TRUE(width == 8 || width == 9) << missing << ": " << width;
  }
  EXPECT_EQ(sim::MaxDigitWidth("No Such Font", 11), sim::MaxDigitWidth("Another Missing Font", 11));
  EXPECT_GT(sim::MaxDigitWidth("Calibri", 20), sim::MaxDigitWidth("Calibri", 11));
}

TEST(XlsxGeometry, CharactersToPixels) {
  struct Case {
    double characters;
    double stored;
    int pixels;
  } cases[] = {{8.43, 9.140625, 64}, {0, 0.7109375, 5}, {1, 1.7109375, 12}, {10, 10.7109375, 75}, {20, 20.7109375, 145}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.stored, sim::StoredColumnWidth(c.characters, 7)) << c.characters;
    EXPECT_EQ(c.pixels, sim::ColumnWidthPixels(c.stored, 7)) << c.characters;
  }
  EXPECT_EQ(0, sim::ColumnWidthPixels(0, 7));
  EXPECT_EQ(64, sim::DefaultColumnPixels(8, 7));
}

TEST(XlsxGeometry, ColumnWidthsInPointsAtSeveralWidths) {
  struct Case {
    const char* file;
    int column;
    double points;
  } cases[] = {
      {"set_column01.xlsx", 1, 0.75},    // 0.140625 characters stored: 1 pixel
      {"set_column01.xlsx", 7, 5.25},    // 1
      {"set_column01.xlsx", 14, 10.5},   // 2
      {"set_column01.xlsx", 26, 19.5},   // 3.7109375
      {"set_column01.xlsx", 27, 48},     // no entry: the default 8.43
      {"set_column01.xlsx", 28, 48.75},  // 9.28515625
      {"set_column01.xlsx", 33, 52.5},   // 10
      {"WidthsAndHeights.xlsx", 1, 105}, // 20
      {"WidthsAndHeights.xlsx", 2, 48},
      {"WidthsAndHeights.xlsx", 3, 0},   // hidden
      {"13_custom_heights_widths.xlsx", 1, 96},  // 16 characters of Calibri 12
      {"set_row03.xlsx", 1, 48},
  };
  for (const Case& c : cases) {
    auto book = OpenFixture(c.file);
    ASSERT_TRUE(book);
    sim::CSheetGeometry geometry = sim::CSheetGeometry::Of(*book, book->sheets[0]);
    EXPECT_EQ(c.points, geometry.ColumnWidth(c.column)) << c.file << " column " << c.column;
  }
}

TEST(XlsxGeometry, RowHeightsInPoints) {
  struct Case {
    const char* file;
    int row;
    double points;
  } cases[] = {
      {"set_row03.xlsx", 1, 0.75},   {"set_row03.xlsx", 4, 3},        {"set_row03.xlsx", 5, 15},
      {"set_row03.xlsx", 19, 14.25}, {"set_row03.xlsx", 21, 0},       {"set_row03.xlsx", 22, 16.5},
      {"WidthsAndHeights.xlsx", 1, 37.5}, {"WidthsAndHeights.xlsx", 2, 15},
      {"WidthsAndHeights.xlsx", 3, 0},  // hidden, with a height of its own
      {"WidthsAndHeights.xlsx", 4, 0},  // hidden, without
      {"13_custom_heights_widths.xlsx", 1, 99.95}, {"13_custom_heights_widths.xlsx", 2, 16},
  };
  for (const Case& c : cases) {
    auto book = OpenFixture(c.file);
    ASSERT_TRUE(book);
    sim::CSheetGeometry geometry = sim::CSheetGeometry::Of(*book, book->sheets[0]);
    EXPECT_DOUBLE_EQ(c.points, geometry.RowHeight(c.row)) << c.file << " row " << c.row;
  }
}

TEST(XlsxGeometry, HiddenColumnsAndRowsAsRead) {
  auto book = OpenFixture("WidthsAndHeights.xlsx");
  ASSERT_TRUE(book);
  const sim::SheetData& sheet = book->sheets[0];
  ASSERT_TRUE(sheet.FindColumn(3));
  EXPECT_TRUE(sheet.FindColumn(3)->hidden);
  EXPECT_FALSE(sheet.FindColumn(1)->hidden);
  EXPECT_TRUE(sheet.FindColumn(1)->customWidth);
  EXPECT_EQ(nullptr, sheet.FindColumn(2));
  EXPECT_TRUE(sheet.rows.at(3).hidden);
  EXPECT_EQ(0.75, sheet.rows.at(3).height);
  EXPECT_TRUE(sheet.rows.at(4).hidden);
  EXPECT_FALSE(sheet.rows.at(4).height);
  EXPECT_TRUE(sheet.rows.at(1).customHeight);
}

TEST(XlsxGeometry, CellBoxesFromTheRangesTopLeftCorner) {
  auto book = OpenFixture("WidthsAndHeights.xlsx");
  ASSERT_TRUE(book);
  sim::CSheetGeometry geometry = sim::CSheetGeometry::Of(*book, book->sheets[0]);
  sim::CellRect range{1, 1, 4, 4};
  struct Case {
    int row, column;
    double left, top, width, height;
  } cases[] = {
      {1, 1, 0, 0, 105, 37.5},   {2, 2, 105, 37.5, 48, 15}, {1, 3, 153, 0, 0, 37.5},
      {1, 4, 153, 0, 48, 37.5},  {4, 4, 153, 52.5, 48, 0},
  };
  for (const Case& c : cases) {
    sim::CellBox box = geometry.CellBoxIn(range, c.row, c.column);
    EXPECT_DOUBLE_EQ(c.left, box.left) << c.row << "," << c.column;
    EXPECT_DOUBLE_EQ(c.top, box.top) << c.row << "," << c.column;
    EXPECT_DOUBLE_EQ(c.width, box.width) << c.row << "," << c.column;
    EXPECT_DOUBLE_EQ(c.height, box.height) << c.row << "," << c.column;
  }
  // From a range that starts further in, and far beyond the columns the file sizes.
  sim::CellBox inner = geometry.CellBoxIn(sim::CellRect{2, 2, 4, 4}, 2, 4);
  EXPECT_DOUBLE_EQ(48, inner.left);
  EXPECT_DOUBLE_EQ(0, inner.top);
  sim::CellBox far = geometry.CellBoxIn(sim::CellRect{1, 1, 1, 1}, 1048576, 16384);
  EXPECT_DOUBLE_EQ(105 + 48 + 0 + 48 * 16380, far.left);
  EXPECT_DOUBLE_EQ(37.5 + 15 + 0 + 0 + 15 * 1048571, far.top);

  auto rows = OpenFixture("set_row03.xlsx");
  ASSERT_TRUE(rows);
  sim::CSheetGeometry rowGeometry = sim::CSheetGeometry::Of(*rows, rows->sheets[0]);
  EXPECT_DOUBLE_EQ(227.25, rowGeometry.CellBoxIn(sim::CellRect{1, 1, 22, 1}, 22, 1).top);
  EXPECT_DOUBLE_EQ(227.25, rowGeometry.RowsHeight(1, 21));
  EXPECT_EQ(0, rowGeometry.RowsHeight(5, 4));
}

TEST(XlsxGeometry, MergedAreasAndTheirSizes) {
  auto book = OpenFixture("merge_cells01.xlsx");
  ASSERT_TRUE(book);
  const sim::SheetData& sheet = book->sheets[0];
  ASSERT_EQ(4u, sheet.mergedCells.size());
  const sim::CellRect* area = sheet.MergedAreaAt(2, 3);
  ASSERT_TRUE(area);
  EXPECT_EQ((sim::CellRect{1, 3, 2, 3}), *area);
  EXPECT_EQ(nullptr, sheet.MergedAreaAt(3, 3));
  EXPECT_EQ("center", sheet.FindCell(1, 3)->style->alignment.horizontal);
  sim::CSheetGeometry geometry = sim::CSheetGeometry::Of(*book, sheet);
  sim::CellBox box = geometry.AreaBoxIn(sim::CellRect{1, 1, 2, 4}, *area);
  EXPECT_DOUBLE_EQ(96, box.left);
  EXPECT_DOUBLE_EQ(0, box.top);
  EXPECT_DOUBLE_EQ(48, box.width);
  EXPECT_DOUBLE_EQ(30, box.height);

  auto form = OpenFixture("issue.3843a.template.xlsx");
  ASSERT_TRUE(form);
  EXPECT_EQ(439u, form->sheets[0].mergedCells.size());
}

TEST(XlsxGeometry, SheetDefaultsAndZeroHeightRows) {
  sim::MinimalWorkbookParts parts;
  parts.sheetBefore = "<sheetFormatPr defaultColWidth='10.7109375' defaultRowHeight='20' zeroHeight='1'/>";
  parts.sheetData = "<row r='2'/><row r='3' ht='30' hidden='1'/><row r='4' ht='25'/>";
  std::string error;
  auto book = ReadParts(parts, &error);
  ASSERT_TRUE(book) << error;
  sim::CSheetGeometry geometry(book->sheets[0], 7);
  EXPECT_DOUBLE_EQ(75 * 0.75, geometry.ColumnWidth(1));
  struct Case {
    int row;
    double height;
  } cases[] = {{1, 0}, {2, 20}, {3, 0}, {4, 25}, {5, 0}};
  for (const Case& c : cases) EXPECT_EQ(c.height, geometry.RowHeight(c.row)) << c.row;
  EXPECT_DOUBLE_EQ(45, geometry.RowsHeight(1, 5));
}

}  // namespace
