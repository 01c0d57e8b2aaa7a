// References to cells and ranges: addresses, whole rows and columns, sheets and
// defined names.
#include "sim/excel/xlsx/XlsxRanges.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

using sim::CellRect;

TEST(XlsxRanges, AddressesAndTheirRectangles) {
  struct Case {
    const char* text;
    std::optional<CellRect> rect;
  } cases[] = {
      {"A1:F20", CellRect{1, 1, 20, 6}},
      {"$B$2", CellRect{2, 2, 2, 2}},
      {"b2", CellRect{2, 2, 2, 2}},
      {"F20:A1", CellRect{1, 1, 20, 6}},
      {"B:D", CellRect{1, 2, sim::kMaxRow, 4}},
      {"$3:$9", CellRect{3, 1, 9, sim::kMaxColumn}},
      {"XFD1048576", CellRect{1048576, 16384, 1048576, 16384}},
      {"XFE1", std::nullopt},
      {"A1048577", std::nullopt},
      {"A0", std::nullopt},
      {"B", std::nullopt},
      {"3", std::nullopt},
      {"A1:B", std::nullopt},
      {"", std::nullopt},
      {"A1:", std::nullopt},
      {"Prices", std::nullopt},
      {"A1B2", std::nullopt},
      {"A99999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rect, sim::ParseCellRect(c.text)) << c.text;
  EXPECT_EQ("$B$3:$D$5", sim::AbsoluteAddressOf(CellRect{3, 2, 5, 4}));
  EXPECT_EQ("$AA$10", sim::AbsoluteAddressOf(CellRect{10, 27, 10, 27}));
}

TEST(XlsxRanges, RangesByAddressSheetAndName) {
  sim::WorkbookData book;
  book.sheets.resize(2);
  book.sheets[0].name = "Data";
  book.sheets[1].name = "It's here";
  book.definedNames = {
      {"Prices", std::nullopt, "Data!$B$2:$C$4"},
      {"Prices", 1, "'It''s here'!$A$1"},
      {"Local", 1, "$D$5:$E$6"},
      {"Broken", std::nullopt, "#REF!"},
      {"TwoAreas", std::nullopt, "Data!$A$1,Data!$C$3"},
  };
  struct Case {
    int sheet;
    const char* reference;
    std::optional<int> sheetIndex;
    CellRect rect;
  } cases[] = {
      {0, "A1:F20", 0, {1, 1, 20, 6}},
      {1, "A1:F20", 1, {1, 1, 20, 6}},
      {1, "Data!$B$2", 0, {2, 2, 2, 2}},
      {0, "'It''s here'!C3", 1, {3, 3, 3, 3}},
      {0, "data!C3", 0, {3, 3, 3, 3}},
      {0, "Prices", 0, {2, 2, 4, 3}},            // the workbook's name
      {1, "Prices", 1, {1, 1, 1, 1}},            // the sheet's own name first
      {0, "'It''s here'!Prices", 1, {1, 1, 1, 1}},
      {1, "local", 1, {5, 4, 6, 5}},             // names ignore case
      {0, "Local", std::nullopt, {}},            // another sheet's name
      {0, "Nowhere!A1", std::nullopt, {}},
      {0, "Broken", std::nullopt, {}},
      {0, "TwoAreas", std::nullopt, {}},
      {0, "'Unclosed!A1", std::nullopt, {}},
  };
  for (const Case& c : cases) {
    std::optional<sim::SheetRect> range = sim::ResolveRange(book, c.sheet, c.reference);
    ASSERT_EQ(c.sheetIndex.has_value(), range.has_value()) << c.reference;
    if (!range) continue;
    EXPECT_EQ(*c.sheetIndex, range->sheetIndex) << c.reference;
    EXPECT_EQ(c.rect, range->rect) << c.reference;
  }
}

TEST(XlsxRanges, NamedRangeOfARealWorkbook) {
  auto book = OpenFixture("WithThreeCharts.xlsx");
  ASSERT_TRUE(book);
  std::optional<sim::SheetRect> range = sim::ResolveRange(*book, 2, "ChartRange2");
  ASSERT_TRUE(range);
  EXPECT_EQ(0, range->sheetIndex);
  EXPECT_EQ((CellRect{1, 4, 6, 5}), range->rect);
}

}  // namespace
