// Character runs from run descriptions and from stacked fractions.
#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "model/CharacterRuns.h"
#include "settings/FontResolution.h"
#include "tests/model/ModelTestSupport.h"

namespace {

constexpr UInt32 kNoMark = 0;

struct TextRun {
  std::u16string text;
  int endIndex;
  bool operator==(const TextRun&) const = default;
};

std::vector<TextRun> Runs(const CCharMultiFont& runs) {
  std::vector<TextRun> out;
  for (const CCharFont& run : runs) out.push_back({std::u16string(run.GetRunText()), run.EndIndex});
  return out;
}

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

class CharacterRunsTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    table.Setup.UseFontOpt = 0;
    for (auto [face, style, number] : {std::tuple{"Arial", "Bold", 7}, std::tuple{"Times New Roman", "Italic", 9}}) {
      ExcelFontMap entry;
      entry.m_strExcelFont = face;
      entry.m_strStyle = style;
      entry.m_nFontNum = number;
      table.Setup.fontMap.entries.push_back(entry);
    }
  }
};

TEST_F(CharacterRunsTest, ADescriptionSplitsTheTextIntoRunsOfTheirOwnFonts) {
  sim::CellDescription d = CellAt("$A$1");
  d.text = u"HelloWorld";
  d.runDescription = "Arial|b1|i0|s0|4:Times New Roman|b0|i1|s1|9";
  CAutoCell cell = Decode(d);
  const CCharMultiFont& runs = cell.Font.Runs;
  ASSERT_EQ((std::vector<TextRun>{{u"Hello", 4}, {u"World", 9}}), Runs(runs));

  EXPECT_EQ(7u, runs[0].TextParams.font);
  EXPECT_EQ(0u, runs[0].TextParams.flags);
  EXPECT_EQ(TXTEXFLAG_BOLD, runs[0].TextParams.exFlags);
  EXPECT_EQ(9u, runs[1].TextParams.font);
  EXPECT_EQ(TXTFLAG_ITALICS | TXTFLAG_SUPERSCRIPT, runs[1].TextParams.flags);
  EXPECT_EQ(0u, runs[1].TextParams.exFlags);

  // With the option to use fonts by name, the font map is not asked.
  table.Setup.UseFontOpt = 1;
  CCharMultiFont byName = BuildCharacterRuns(d.runDescription, d.text, table.Setup);
  ASSERT_EQ(2u, byName.size());
  EXPECT_EQ(static_cast<UInt32>(FindMSFontNumber("Times New Roman", kFontKindTrueType)), byName[1].TextParams.font);
}

TEST_F(CharacterRunsTest, ScriptFieldMarksSuperscriptOrSubscript) {
  const std::pair<const char*, UInt32> cases[] = {
      {"s1", TXTFLAG_SUPERSCRIPT}, {"s2", TXTFLAG_SUBSCRIPT}, {"s0", 0}, {"s3", 0}, {"sx", 0}, {"x1", 0}, {"s", 0}};
  for (auto [field, flags] : cases) {
    CCharMultiFont runs = BuildCharacterRuns(std::string("Arial|b0|i0|") + field + "|0", u"x", table.Setup);
    ASSERT_EQ(1u, runs.size()) << field;
    EXPECT_EQ(flags, runs[0].TextParams.flags) << field;
  }
}

TEST_F(CharacterRunsTest, BadDescriptionsMakeNoRunAndNeverReachPastTheText) {
  const std::u16string hello = u"Hello";
  const std::u16string long600(600, u'x');
  struct Case {
    std::string description;
    std::u16string text;
    std::vector<TextRun> runs;
  };
  const Case cases[] = {
      {"|||:::", hello, {}},
      {"Arial|b1|i0|s0", hello, {}},                // no end index
      {"Arial|b1|i0|s0|x4", hello, {}},             // not a number
      {"Arial|b1|i0|s0|4x", hello, {}},
      {"Arial|b1|i0|s0|-1", hello, {}},
      {"Arial|b1|i0|s0|99999999999", hello, {}},    // beyond any index
      {"|b1|i0|s0|4", hello, {}},                   // empty fields are skipped: no end index
      {"\xff\xfe|\x01:\x7f", hello, {}},
      {"Arial|b0|i0|s0|4", u"", {}},               // no text, no runs
      {"Arial||b0|i0||s0|1", hello, {{u"He", 1}}},
      {"Arial|b0|i0|s0|99", hello, {{u"Hello", 99}}},
      {"A|b0|i0|s0|2:A|b0|i0|s0|1:A|b0|i0|s0|4", hello, {{u"Hel", 2}, {u"lo", 4}}},  // a run below its start is skipped
      {"A|b0|i0|s0|9:A|b0|i0|s0|12", hello, {{u"Hello", 9}, {u"", 12}}},
      {"A|b0|i0|s0|2147483647:A|b0|i0|s0|2147483647", hello, {{u"Hello", INT_MAX}}},
      {"A|b0|i0|s0|599", long600, {{std::u16string(518, u'x'), 599}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.description);
    EXPECT_EQ(k.runs, Runs(BuildCharacterRuns(k.description, k.text, table.Setup)));
  }
}

TEST_F(CharacterRunsTest, FractionsStackWhenThereIsNoDescription) {
  struct Piece {
    std::u16string text;
    UInt32 mark;
  };
  const UInt32 n = kFractionNumerator, d = kFractionDenominator;
  struct Case {
    std::u16string text;
    std::vector<Piece> pieces;
  };
  const Case cases[] = {
      {u"1 1/2\"", {{u"1 ", kNoMark}, {u"1", n}, {u"2", d}, {u"\"", kNoMark}}},
      {u"3/4", {{u"3", n}, {u"4", d}}},
      {u"1/2 3/4", {{u"1", n}, {u"2", d}, {u" ", kNoMark}, {u"3", n}, {u"4", d}}},
      {u"  about   12/25\" wide ", {{u"about ", kNoMark}, {u"12", n}, {u"25", d}, {u"\" wide", kNoMark}}},
      {u"1/2/3", {}},
      {u"a/b", {}},
      {u"/2 1/ 1\"/2 1/2\"x", {}},
      {u"1 / 2", {}},
      {std::u16string(520, u'a') + u" 1/2", {}},  // the fraction lies beyond the 519 characters looked at
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(Narrow(k.text));
    CCharMultiFont runs = BuildCharacterRuns("", k.text, table.Setup);
    ASSERT_EQ(k.pieces.size(), runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
      EXPECT_EQ(k.pieces[i].text, runs[i].GetRunText());
      EXPECT_EQ(-1, runs[i].EndIndex);
      EXPECT_EQ(k.pieces[i].mark, runs[i].TextParams.exFlags);
      EXPECT_EQ(0u, runs[i].TextParams.font);
      EXPECT_EQ(0u, runs[i].TextParams.flags);
      EXPECT_EQ(0, runs[i].TextParams.just);
    }
  }
}

TEST_F(CharacterRunsTest, RunTextIsCutAndTerminatedInItsBuffer) {
  CCharFont run;
  run.SetRunText(std::u16string(600, u'y'));
  EXPECT_EQ(518u, run.GetRunText().size());
  EXPECT_EQ(u'\0', run.RunText[518]);
  run.SetRunText(u"ab");
  EXPECT_EQ(u"ab", run.GetRunText());
}

}  // namespace
