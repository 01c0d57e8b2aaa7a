// Texts of cells: rich-text runs with their fonts, and characters written as escapes.
#include "sim/excel/xlsx/XlsxText.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

TEST(XlsxText, RunsWithTheirOwnFonts) {
  auto book = OpenFixture("sample.xlsx");
  ASSERT_TRUE(book);
  const sim::CellData* cell = book->sheets[1].FindCell(1, 1);
  ASSERT_TRUE(cell);
  EXPECT_EQ("The quick brown fox jumps over the lazy dog", cell->Text());
  const auto& runs = cell->text->runs;
  ASSERT_EQ(11u, runs.size());
  struct Case {
    size_t run;
    const char* text;
    bool bold, italic;
    const char* underline;
    double size;
    const char* font;
    std::uint32_t rgb;
  } cases[] = {
      {0, "The", false, false, "", 11, "Calibri", 0xC00000},
      {2, "quick", true, true, "", 11, "Calibri", 0x000000},
      {4, "brown", false, true, "", 8, "Calibri", 0x000000},
      {6, "jumps", false, false, "single", 14, "Calibri", 0x984807},  // accent 6, darker 50%
      {8, "over the lazy", false, false, "", 11, "Courier", 0x000000},
      {10, "dog", true, false, "", 11, "Calibri", 0x558ED5},  // text 2, lighter 40%
  };
  for (const Case& c : cases) {
    const sim::TextRun& run = runs[c.run];
    ASSERT_TRUE(run.font) << c.run;
    EXPECT_EQ(c.text, run.text) << c.run;
    EXPECT_EQ(c.bold, run.font->bold) << c.run;
    EXPECT_EQ(c.italic, run.font->italic) << c.run;
    EXPECT_EQ(c.underline, run.font->underline) << c.run;
    EXPECT_EQ(c.size, run.font->size) << c.run;
    EXPECT_EQ(c.font, run.font->name) << c.run;
    EXPECT_EQ(c.rgb, run.font->color.rgb) << c.run;
  }
  // The plain texts of the same table have no runs; a run without properties has no font.
  EXPECT_TRUE(book->sheets[1].FindCell(3, 2)->text->runs.empty());
  const sim::CellData* plainFirst = book->sheets[1].FindCell(4, 4);
  ASSERT_EQ(2u, plainFirst->text->runs.size());
  EXPECT_FALSE(plainFirst->text->runs[0].font);
  EXPECT_EQ("single", plainFirst->text->runs[1].font->underline);
}

TEST(XlsxText, RunsKeepLineBreaksAndSpaces) {
  auto book = OpenFixture("rich_string12.xlsx");
  ASSERT_TRUE(book);
  const sim::CellData* cell = book->sheets[0].FindCell(3, 1);
  ASSERT_TRUE(cell);
  EXPECT_EQ("This is\nbold\nand this is\nitalic", cell->Text());
  ASSERT_EQ(4u, cell->text->runs.size());
  EXPECT_TRUE(cell->text->runs[1].font->bold);
  EXPECT_TRUE(cell->text->runs[3].font->italic);
  EXPECT_TRUE(cell->style->alignment.wrapText);

  auto mixed = OpenFixture("excel_test_sheet.xlsx");
  ASSERT_TRUE(mixed);
  bool sawStrike = false, sawSpaceRun = false;
  for (const auto& [ref, c] : mixed->sheets[0].cells) {
    if (!c.text) continue;
    for (const auto& run : c.text->runs) {
      sawStrike |= run.font && run.font->strike && run.text == "text";
      sawSpaceRun |= run.text == " ";
    }
  }
  EXPECT_TRUE(sawStrike);
  EXPECT_TRUE(sawSpaceRun);
}

TEST(XlsxText, EscapedCharacters) {
  struct Case {
    const char* written;
    const char* text;
  } cases[] = {
      {"plain", "plain"},
      {"a_x000D_b", "a\rb"},
      {"_x005F_x000D_", "_x000D_"},  // an escaped underscore keeps the rest literal
      {"_x00e9_", "\xC3\xA9"},
      {"_xD83D__xDE00_", "\xF0\x9F\x98\x80"},
      {"_xD83D_", "\xEF\xBF\xBD"},  // half a pair
      {"_x12_", "_x12_"},
      {"_xZZZZ_", "_xZZZZ_"},
      {"before_x0000_after", "beforeafter"},  // no cell holds a NUL: the rest is kept
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, sim::DecodeEscapedText(c.written)) << c.written;
}

}  // namespace
