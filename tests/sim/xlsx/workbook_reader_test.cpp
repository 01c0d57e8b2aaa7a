// Workbooks as a whole: every real workbook opens, with its sheets, names, dates and
// cell values.
#include <algorithm>
#include <filesystem>

#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

using sim::CellValueKind;

TEST(WorkbookReader, EveryFixtureWorkbookOpens) {
  int opened = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QV_SOURCE_DIR "/tests/fixtures/xlsx")) {
    if (entry.path().extension() != ".xlsx") continue;
    std::string error;
    auto book = sim::ReadWorkbook(entry.path().string(), &error);
    ASSERT_TRUE(book) << entry.path().filename() << ": " << error;
    EXPECT_FALSE(book->sheets.empty()) << entry.path().filename();
    EXPECT_EQ(entry.path().string(), book->fullPath);
    ++opened;
  }
  EXPECT_GT(opened, 0);
}

// Opened as the stand-in Excel opens it, a workbook keeps no cells; those of a range
// are read again from its file and are the very cells of a reading that keeps all.
TEST(WorkbookReader, CellsReadOnDemandAreTheCellsOfTheWholeReading) {
  const auto same = [](const sim::CellData& a, const sim::CellData& b) {
    return a.kind == b.kind && a.number == b.number && a.Text() == b.Text() && a.styleIndex == b.styleIndex &&
           a.hasFormula == b.hasFormula && (a.text ? a.text->runs.size() : 0) == (b.text ? b.text->runs.size() : 0);
  };
  for (const auto& entry : std::filesystem::directory_iterator(QV_SOURCE_DIR "/tests/fixtures/xlsx")) {
    if (entry.path().extension() != ".xlsx") continue;
    const std::string name = entry.path().filename().string();
    std::string error;
    auto whole = sim::ReadWorkbook(entry.path().string(), &error);
    auto onDemand = sim::ReadWorkbook(entry.path().string(), &error, sim::WorkbookCells::OnDemand);
    ASSERT_TRUE(whole && onDemand) << name << ": " << error;
    for (std::size_t i = 0; i < whole->sheets.size(); ++i) {
      const sim::SheetData& sheet = whole->sheets[i];
      EXPECT_TRUE(onDemand->sheets[i].cells.empty()) << name;
      EXPECT_EQ(sheet.UsedRange(), onDemand->sheets[i].UsedRange()) << name;
      if (sheet.cells.empty()) continue;
      // Every cell but those of the first row and column of the used range.
      sim::CellRect area = *sheet.cellSpan;
      area.firstRow = std::min(area.lastRow, area.firstRow + 1);
      area.firstColumn = std::min(area.lastColumn, area.firstColumn + 1);
      sim::CellMap cells;
      ASSERT_TRUE(sim::ReadSheetCells(*onDemand, static_cast<int>(i), area, &cells, &error)) << name << ": " << error;
      std::size_t expected = 0;
      for (const auto& [ref, cell] : sheet.cells) {
        if (!area.Contains(ref.row, ref.column)) continue;
        ++expected;
        const sim::CellData* again = sim::FindCell(cells, ref.row, ref.column);
        ASSERT_TRUE(again) << name << " " << sheet.name << " " << ref.row << "," << ref.column;
        EXPECT_TRUE(same(cell, *again)) << name << " " << sheet.name << " " << ref.row << "," << ref.column;
      }
      EXPECT_EQ(expected, cells.size()) << name << " " << sheet.name;
    }
  }
}

TEST(WorkbookReader, SheetsInTabOrderWithTheirCells) {
  auto book = OpenFixture("sample.xlsx");
  ASSERT_TRUE(book);
  ASSERT_EQ(3u, book->sheets.size());
  EXPECT_EQ("Sheet1", book->sheets[0].name);
  EXPECT_EQ("rich test", book->sheets[1].name);
  EXPECT_EQ("Sheet3", book->sheets[2].name);
  EXPECT_EQ(&book->sheets[1], book->FindSheet("RICH TEST"));
  EXPECT_EQ(nullptr, book->FindSheet("Sheet4"));
  EXPECT_EQ("visible", book->sheets[0].state);
  EXPECT_EQ("2008-09-16T09:10:03Z", book->documentProperties.at("Last Save Time"));
  EXPECT_FALSE(book->date1904);
}

TEST(WorkbookReader, StrictWorkbookWithItsOwnNamespacesOpens) {
  auto book = OpenFixture("universal-content-strict.xlsx");
  ASSERT_TRUE(book);
  ASSERT_EQ(2u, book->sheets.size());
  EXPECT_EQ("Sheet2", book->sheets[1].name);
  EXPECT_FALSE(book->sheets[0].mergedCells.empty());
  EXPECT_TRUE(book->documentProperties.contains("Last Save Time"));
}

TEST(WorkbookReader, PrefixedNamespacesAreReadAlike) {
  auto book = OpenFixture("TextRotation.xlsx");  // every element as x:...
  ASSERT_TRUE(book);
  EXPECT_FALSE(book->sheets[0].cells.empty());
  EXPECT_GT(book->styles.size(), 1u);
}

TEST(WorkbookReader, SheetStatesAndDefinedNames) {
  auto entries = sim::MinimalWorkbookEntries({});
  entries[2].bytes =
      "<workbook xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main' "
      "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'>"
      "<workbookPr date1904='1'/><bookViews><workbookView activeTab='2'/></bookViews><sheets>"
      "<sheet name='A' sheetId='1' r:id='rId1'/><sheet name='B' sheetId='2' state='hidden' r:id='rId1'/>"
      "<sheet name='C' sheetId='3' state='veryHidden' r:id='rId1'/></sheets>"
      "<definedNames><definedName name='Prices'>A!$B$2:$C$4</definedName>"
      "<definedName name='Local' localSheetId='1' hidden='1'>B!$D$5</definedName></definedNames></workbook>";
  std::string error;
  auto book = ReadBytes(Zip(entries), &error);
  ASSERT_TRUE(book) << error;
  ASSERT_EQ(3u, book->sheets.size());
  EXPECT_EQ("visible", book->sheets[0].state);
  EXPECT_EQ("hidden", book->sheets[1].state);
  EXPECT_EQ("veryHidden", book->sheets[2].state);
  EXPECT_TRUE(book->date1904);
  EXPECT_EQ(2, book->activeTab);
  EXPECT_TRUE(book->fullPath.empty());
  ASSERT_EQ(2u, book->definedNames.size());
  EXPECT_EQ("Prices", book->definedNames[0].name);
  EXPECT_FALSE(book->definedNames[0].localSheetId.has_value());
  EXPECT_EQ("A!$B$2:$C$4", book->definedNames[0].refersTo);
  EXPECT_EQ(1, book->definedNames[1].localSheetId);
  EXPECT_TRUE(book->definedNames[1].hidden);
}

TEST(WorkbookReader, CellValuesOfEveryKind) {
  sim::MinimalWorkbookParts parts;
  parts.sharedStrings = "<sst xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'><si><t>shared</t></si></sst>";
  parts.styles =
      "<styleSheet xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'>"
      "<numFmts><numFmt numFmtId='164' formatCode='0.000'/></numFmts>"
      "<cellXfs><xf/><xf numFmtId='14'/><xf numFmtId='164'/></cellXfs></styleSheet>";
  parts.sheetData =
      "<row r='1'><c r='A1'><v>1.5</v></c><c r='B1' t='s'><v>0</v></c><c r='C1' t='b'><v>1</v></c>"
      "<c r='D1' t='e'><v>#DIV/0!</v></c><c r='E1' t='str'><f>A1&amp;\"x\"</f><v>1.5x</v></c>"
      "<c r='F1' t='inlineStr'><is><t>inline</t></is></c><c r='G1' s='1'><v>45000</v></c><c r='H1' s='2'/></row>"
      "<row><c><v>7</v></c><c><v>8</v></c></row>";
  std::string error;
  auto book = ReadParts(parts, &error);
  ASSERT_TRUE(book) << error;
  const sim::SheetData& sheet = book->sheets[0];
  struct Case {
    int row, column;
    CellValueKind kind;
    double number;
    std::string text;
    std::string format;
  } cases[] = {
      {1, 1, CellValueKind::Number, 1.5, "", "General"},   {1, 2, CellValueKind::Text, 0, "shared", "General"},
      {1, 3, CellValueKind::Boolean, 1, "", "General"},    {1, 4, CellValueKind::Error, 0, "#DIV/0!", "General"},
      {1, 5, CellValueKind::Text, 0, "1.5x", "General"},   {1, 6, CellValueKind::Text, 0, "inline", "General"},
      {1, 7, CellValueKind::Number, 45000, "", "m/d/yyyy"}, {1, 8, CellValueKind::Empty, 0, "", "0.000"},
      {2, 1, CellValueKind::Number, 7, "", "General"},     {2, 2, CellValueKind::Number, 8, "", "General"},
  };
  for (const Case& c : cases) {
    const sim::CellData* cell = sheet.FindCell(c.row, c.column);
    ASSERT_TRUE(cell) << c.row << "," << c.column;
    EXPECT_EQ(c.kind, cell->kind) << c.row << "," << c.column;
    EXPECT_EQ(c.number, cell->number) << c.row << "," << c.column;
    EXPECT_EQ(c.text, cell->Text()) << c.row << "," << c.column;
    EXPECT_EQ(c.format, cell->NumberFormat()) << c.row << "," << c.column;
  }
  EXPECT_TRUE(sheet.FindCell(1, 5)->hasFormula);
  EXPECT_EQ((sim::CellRect{1, 1, 2, 8}), sheet.UsedRange());
}

TEST(WorkbookReader, UsedRangeComesFromTheDimensionWhenGiven) {
  auto book = OpenFixture("WidthsAndHeights.xlsx");
  ASSERT_TRUE(book);
  EXPECT_EQ((sim::CellRect{1, 1, 4, 2}), book->sheets[0].UsedRange());
  sim::SheetData empty;
  EXPECT_FALSE(empty.UsedRange());
}

}  // namespace
