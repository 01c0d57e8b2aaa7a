// Breaking a cell's text into lines: at line feeds, and greedily at spaces and inside
// words too wide for the cell when the cell wraps; and measuring texts by their
// glyphs' advances.
#include <string>
#include <vector>

#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "tests/output/TextTestSupport.h"

namespace {

TextSizeParam Size10() {
  TextSizeParam size;
  size.mode = 1;
  size.height = 10;
  size.width = 9;
  return size;
}

TextParamWide ParamsOf(int font) {
  TextParamWide params;
  params.font = static_cast<UInt32>(font);
  return params;
}

}  // namespace

using SplitCellTextTest = CellTextTest;

TEST_F(SplitCellTextTest, LinesBreakAtFeedsAndWhereTheTextNoLongerFits) {
  struct Case {
    const char* name;
    std::u16string text;
    double width, height;
    int wrap, indent;
    bool rotated;
    std::vector<std::u16string> lines;
  } cases[] = {
      // Room 27: three characters of 9.
      {"a text that fits is one line", u"abc", 30, 20, 1, 0, false, {u"abc"}},
      {"without wrapping only line feeds break", u"ab\ncd efgh", 30, 20, 0, 0, false, {u"ab", u"cd efgh"}},
      {"empty lines between feeds are kept", u"a\n\nb", 30, 20, 1, 0, false, {u"a", u"", u"b"}},
      {"a line broken at a space keeps the space", u"ab cd", 30, 20, 1, 0, false, {u"ab ", u"cd"}},
      {"spaces run on with the word before them", u"ab   cd", 30, 20, 1, 0, false, {u"ab   ", u"cd"}},
      {"a word wider than the cell breaks at the last character that fits", u"abcdefgh", 30, 20, 1, 0, false,
       {u"abc", u"def", u"gh"}},
      {"a word too wide after a short one", u"a bcdef", 30, 20, 1, 0, false, {u"a ", u"bcd", u"ef"}},
      {"a character wider than the cell is a line of its own", u"ab", 10, 20, 1, 0, false, {u"a", u"b"}},
      {"no line of spaces alone in a cell narrower than a space", u"a  b", 10, 20, 1, 0, false, {u"a  ", u"b"}},
      {"the leading byte-order mark takes no room", u"\uFEFFabc def", 30, 20, 1, 0, false,
       {u"\uFEFFabc ", u"def"}},
      {"the mark stays with a character wider than the cell", u"\uFEFFab", 10, 20, 1, 0, false,
       {u"\uFEFFa", u"b"}},
      {"the indent takes room", u"ab cd", 39, 20, 1, 1, false, {u"ab ", u"cd"}},
      {"rotated text has the cell's height less the top margin", u"abcd", 100, 30, 1, 0, true, {u"abc", u"d"}},
      {"each segment wraps on its own", u"abcd\nef gh", 30, 20, 1, 0, false, {u"abc", u"d", u"ef ", u"gh"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CAutoCell textCell = TextCell(c.text, c.width, c.height);
    textCell.WrapText = c.wrap;
    textCell.IndentLevel = c.indent;
    EXPECT_EQ(CQVUtiMStation::SplitCellText(textCell, Size10(), ParamsOf(FindMSFontNumber("STANDARD", kFontKindDgn)),
                                            c.rotated),
              c.lines);
  }
}

TEST_F(SplitCellTextTest, AVeryLongTextKeepsEveryLine) {
  // More line feeds than a fixed list of segments would hold, and a word that
  // breaks into more lines than a fixed list of lines would.
  std::u16string feeds;
  for (int i = 0; i < 600; ++i) feeds += u"ab\n";
  feeds += u"end";
  const std::u16string word(3500, u'x');
  const TextParamWide params = ParamsOf(FindMSFontNumber("STANDARD", kFontKindDgn));

  CAutoCell many = TextCell(feeds, 30);
  many.WrapText = 1;
  const auto manyLines = CQVUtiMStation::SplitCellText(many, Size10(), params, false);
  ASSERT_EQ(manyLines.size(), 601u);
  EXPECT_EQ(manyLines.back(), u"end");

  CAutoCell long_ = TextCell(word, 12);  // one character a line
  long_.WrapText = 1;
  const auto longLines = CQVUtiMStation::SplitCellText(long_, Size10(), params, false);
  EXPECT_EQ(longLines.size(), word.size());
}

TEST_F(SplitCellTextTest, TrueTypeTextsMeasureByTheirGlyphs) {
  const int arial = FindMSFontNumber("Arial", kFontKindTrueType);
  ASSERT_GE(arial, 0) << "Arial (Liberation Sans) must be installed";
  const TextParamWide params = ParamsOf(arial);
  const double narrow = CQVUtiMStation::MeasureTextWidth(u"iiii", Size10(), params);
  const double wide = CQVUtiMStation::MeasureTextWidth(u"WWWW", Size10(), params);
  EXPECT_GT(narrow, 0);
  EXPECT_GT(wide, 3 * narrow);
  // Advances add up, and the byte-order mark takes no room.
  EXPECT_NEAR(CQVUtiMStation::MeasureTextWidth(u"iiiiWWWW", Size10(), params), narrow + wide, 1e-9);
  EXPECT_NEAR(CQVUtiMStation::MeasureTextWidth(u"\uFEFFiiii", Size10(), params), narrow, 1e-9);
  // Twice the text width, twice as wide.
  TextSizeParam wider = Size10();
  wider.width *= 2;
  EXPECT_NEAR(CQVUtiMStation::MeasureTextWidth(u"WWWW", wider, params), 2 * wide, 1e-9);

  // Wrapping follows: the narrow word fits on a line where the wide one breaks.
  const double room = CQVUtiMStation::MeasureTextWidth(u"iiii ", Size10(), params) + 0.5;
  CAutoCell textCell = TextCell(u"iiii WWWW", 3 + room);
  textCell.WrapText = 1;
  const auto lines = CQVUtiMStation::SplitCellText(textCell, Size10(), params, false);
  const size_t perLine = static_cast<size_t>(room / (wide / 4));
  ASSERT_GE(perLine, 1u);
  ASSERT_LT(perLine, 4u);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], u"iiii ");
  std::u16string rest;
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), perLine);
    rest += lines[i];
  }
  EXPECT_EQ(rest, u"WWWW");
  EXPECT_EQ(lines[1].size(), perLine);
}
