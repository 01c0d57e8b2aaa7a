// Numbers in columns too narrow for them, as the add-in sends their text: formatted
// numbers and dates filled with '#', General numbers shortened, texts, booleans and
// errors left whole. The workbooks go through a whole transfer and the module's
// reader, so that each text checked is the one its cell record carried.
//
// Calibri 11 at 96 dpi: digits, '#', 'E' and '+' are 7 pixels wide, '.', ',' and
// '-' 4; of every cell 5 pixels are padding, so a column n characters wide holds n
// digits.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/Strings.h"
#include "sim/addin/RangeTransfer.h"
#include "sim/excel/numfmt/GeneralNumber.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/excel/xlsx/TextWidth.h"
#include "tests/TestSupport.h"
#include "tests/sim/RangeTestSupport.h"

namespace {

// Styles: 0 General, 1 "#,##0.00", 2 a long date, 3 "#,##0.00" shrunk to fit.
const char kStyles[] =
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<numFmts count="2"><numFmt numFmtId="164" formatCode="#,##0.00"/>)"
    R"(<numFmt numFmtId="165" formatCode="dddd, mmmm d, yyyy"/></numFmts>)"
    R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border/></borders>)"
    R"(<cellXfs count="4"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" applyNumberFormat="1"/>)"
    R"(<xf numFmtId="165" fontId="0" fillId="0" borderId="0" applyNumberFormat="1"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" applyNumberFormat="1" applyAlignment="1">)"
    R"(<alignment shrinkToFit="1"/></xf></cellXfs></styleSheet>)";

// Stored widths of columns whole pixels wide: 5 characters (40 pixels), 30 (215), 1
// (12), and 39 pixels.
constexpr const char* kFiveCharacters = "5.7109375";
constexpr const char* kThirtyCharacters = "30.7109375";
constexpr const char* kOneCharacter = "1.7109375";
constexpr const char* kThirtyNinePixels = "5.5703125";

std::string Column(int column, const char* width) {
  std::string n = std::to_string(column);
  return "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" + width + "\" customWidth=\"1\"/>";
}

// A cell's XML: the value as written in a file, with its type ("" a number, "b",
// "e", "inlineStr").
struct Value {
  const char* type;
  const char* content;
};

std::string CellXml(const std::string& reference, const Value& value, int style) {
  std::string xml = "<c r=\"" + reference + "\" s=\"" + std::to_string(style) + "\"";
  if (*value.type) xml += std::string(" t=\"") + value.type + "\"";
  return xml + ">" + value.content + "</c>";
}

// The texts of the cells as the module assembled them from the records, by row.
std::vector<std::vector<std::string>> SentTexts(const sim::MinimalWorkbookParts& parts, const std::string& range) {
  std::string error;
  std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  auto book = sim::ReadWorkbookFromMemory(bytes.data(), bytes.size(), &error);
  EXPECT_NE(nullptr, book) << error;
  if (!book) return {};
  RecordingMessages messages;
  std::vector<sim::CellRect> areas;
  EXPECT_TRUE(sim::ResolveTransferAreas(*book, 0, range, &areas, &error)) << error;
  EXPECT_TRUE(sim::SendRange(*book, 0, areas, "Z:\\books\\Book.xlsx", messages, &error)) << error;
  std::vector<std::vector<std::string>> texts;
  for (int row = 0; row < messages.table.RowCount(); ++row) {
    texts.emplace_back();
    for (int column = 0; column < messages.table.ColumnCount(); ++column) {
      const CAutoCell& cell = messages.table.Cell(row, column);
      std::u16string text = cell.Text.value_or(u"");
      if (!text.empty() && text.front() == kByteOrderMark) text.erase(0, 1);
      texts.back().push_back(sim::Utf16ToUtf8(text));
    }
  }
  return texts;
}

class ColumnFitTest : public HostTest {};

TEST_F(ColumnFitTest, EachValueAsItShowsInColumnsOfFiveStandardThirtyAndOneCharacters) {
  const struct {
    const char* what;
    Value value;
    int style;
    const char* shown[4];  // in columns A (40 pixels), B (64), C (215), D (12)
  } cases[] = {
      {"a formatted number", {"", "<v>1234567.891</v>"}, 1, {"#####", "########", "1,234,567.89", "#"}},
      {"a long date", {"", "<v>39045</v>"}, 2, {"#####", "########", "Friday, November 24, 2006", "#"}},
      {"a date Excel cannot show fills any width", {"", "<v>-1</v>"}, 2,
       {"#####", "########", "##############################", "#"}},
      {"General: fewer decimals", {"", "<v>1234.56789</v>"}, 0, {"1235", "1234.568", "1234.56789", "#"}},
      {"General: the sign takes room too", {"", "<v>-1234.56789</v>"}, 0, {"-1235", "-1234.568", "-1234.56789", "#"}},
      {"General: below 1", {"", "<v>0.33333333333333331</v>"}, 0, {"0.333", "0.333333", "0.333333333", "0"}},
      {"General: scientific when the integer part does not fit", {"", "<v>123456789</v>"}, 0,
       {"1E+08", "1.23E+08", "123456789", "#"}},
      {"a text spills, never filled", {"inlineStr", "<is><t>Quantity per unit</t></is>"}, 1,
       {"Quantity per unit", "Quantity per unit", "Quantity per unit", "Quantity per unit"}},
      {"a boolean", {"b", "<v>1</v>"}, 1, {"TRUE", "TRUE", "TRUE", "TRUE"}},
      {"an error", {"e", "<v>#DIV/0!</v>"}, 1, {"#DIV/0!", "#DIV/0!", "#DIV/0!", "#DIV/0!"}},
      {"a number shrunk to fit", {"", "<v>1234567.891</v>"}, 3,
       {"1,234,567.89", "1,234,567.89", "1,234,567.89", "1,234,567.89"}},
  };
  sim::MinimalWorkbookParts parts;
  parts.styles = kStyles;
  parts.sheetBefore = "<cols>" + Column(1, kFiveCharacters) + Column(3, kThirtyCharacters) +
                      Column(4, kOneCharacter) + "</cols>";
  int row = 0;
  for (const auto& c : cases) {
    std::string r = std::to_string(++row);
    parts.sheetData += "<row r=\"" + r + "\">";
    for (const char* column : {"A", "B", "C", "D"}) parts.sheetData += CellXml(column + r, c.value, c.style);
    parts.sheetData += "</row>";
  }
  auto texts = SentTexts(parts, "A1:D" + std::to_string(row));
  ASSERT_EQ(std::size(cases), texts.size());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].what);
    EXPECT_EQ((std::vector<std::string>(std::begin(cases[i].shown), std::end(cases[i].shown))), texts[i]);
  }
}

TEST_F(ColumnFitTest, AMergedCellHasTheAreasWidthDownToTheLastPixel) {
  // "1,234,567.89" is 75 pixels: it fits 80 pixels less the padding, not 79.
  sim::MinimalWorkbookParts parts;
  parts.styles = kStyles;
  parts.sheetBefore = "<cols>" + Column(1, kFiveCharacters) + Column(2, kFiveCharacters) +
                      Column(3, kFiveCharacters) + Column(4, kThirtyNinePixels) + "</cols>";
  const Value number{"", "<v>1234567.891</v>"};
  parts.sheetData = "<row r=\"1\">" + CellXml("A1", number, 1) + CellXml("C1", number, 1) + "</row>" +
                    "<row r=\"2\">" + CellXml("A2", number, 1) + "</row>";
  parts.sheetExtra = R"(<mergeCells count="2"><mergeCell ref="A1:B1"/><mergeCell ref="C1:D1"/></mergeCells>)";
  auto texts = SentTexts(parts, "A1:D2");
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"1,234,567.89", "", "##########", ""}, {"#####", "", "", ""}}),
            texts);
}

TEST(ColumnFitWidths, TextsAreMeasuredInTheCellsFontInWholePixels) {
  sim::FontData calibri;
  sim::FontData large = calibri;
  large.size = 22;
  sim::FontData bold = calibri;
  bold.bold = true;
  const struct {
    const char* text;
    const sim::FontData& font;
    long long pixels;
  } cases[] = {
      {"1,234,567.89", calibri, 75},
      {"########", calibri, 56},
      {"1.23E+08", calibri, 53},
      {"", calibri, 0},
      {"12345678", large, 120},
      {"12345678", bold, 56},  // Calibri's bold digits are as wide as its regular ones
      {"Friday, November 24, 2006", calibri, 159},
      {"Friday, November 24, 2006", bold, 161},  // its bold letters are not
  };
  for (const auto& c : cases) EXPECT_EQ(c.pixels, sim::TextWidthPixels(c.text, c.font)) << c.text;
  // A face the machine lacks is measured as the one standing in for it: not by
  // Calibri's narrow digits.
  sim::FontData missing = calibri;
  missing.name = "No Such Font";
  EXPECT_GT(sim::TextWidthPixels("12345678", missing), 56);
}

TEST(ColumnFitGeneral, GeneralDropsDecimalsThenTurnsScientificThenGivesUp) {
  // Room counted in characters, to show the steps apart from any font.
  const struct {
    double value;
    std::size_t room;
    std::optional<std::string> shown;
  } cases[] = {
      {1234.56789, 11, "1234.56789"},   {1234.56789, 8, "1234.568"}, {1234.56789, 5, "1235"},
      {1234.56789, 3, std::nullopt},    {123456789012, 11, "1.23457E+11"}, {123456789012, 7, "1.2E+11"},
      {123456789012, 5, "1E+11"},       {123456789012, 4, std::nullopt},
      {99999.96, 5, "1E+05"},            // rounding carries into a sixth digit: scientific
      {-99.96, 4, "-100"},               // ... or only adds a digit where there is room
      {0.000123456789, 8, "0.000123"},  // as many digits either way: the plain form
      {0.000123456789, 5, "1E-04"},     // the plain form would be "0"
      {0.000123456789, 4, "0"},
      {0.0000123456789, 8, "1.23E-05"}, // scientific shows more
      {0, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    auto fits = [&](const std::string& text) { return text.size() <= c.room; };
    EXPECT_EQ(c.shown, sim::GeneralNumberTextWithin(c.value, fits)) << c.value << " in " << c.room;
  }
}

}  // namespace
