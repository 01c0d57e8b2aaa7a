// Drawing a cell's text: where it goes and how it is justified and turned, the room
// it needs, lines and the byte-order mark, rich text and stacked fractions, the
// shift of special characters, and the font a cell's text is drawn in.
#include <string>
#include <vector>

#include "model/CharacterRuns.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "settings/Profile.h"
#include "tests/output/TextTestSupport.h"

namespace {

constexpr double kPi = 3.1415926535897932;

CCharFont MakeRun(std::u16string_view text, int endIndex, UInt32 fraction = 0) {
  CCharFont run;
  run.EndIndex = endIndex;
  run.TextParams.exFlags = fraction;
  run.SetRunText(text);
  return run;
}

// The runs the model makes of "1 3/4": a plain run, then the fraction's two pieces.
void AddFractionRuns(CAutoCell& cell) {
  cell.Font.Runs.Add(MakeRun(u"1 ", 1));
  cell.Font.Runs.Add(MakeRun(u"3", -1, kFractionNumerator));
  cell.Font.Runs.Add(MakeRun(u"4", -1, kFractionDenominator));
}

}  // namespace

using DrawCellTextTest = CellTextTest;

TEST_F(DrawCellTextTest, TextIsPlacedByTheCellsAlignmentAndOrientation) {
  // The cell is 60 x 20 at (10, 5); margins 3, indent 9 per level.
  struct Case {
    const char* name;
    int orientation, horizontal, vertical, indent;
    double x, y;
    int just;
    double degrees;
  } cases[] = {
      {"left top", xlHorizontal, xlLeft, xlTop, 0, 13, -8, TXTJUST_LT, 0},
      {"bottom-aligned horizontal text", xlHorizontal, xlLeft, xlBottom, 0, 13, -25 + 3, TXTJUST_LB, 0},
      {"left with an indent of two", xlHorizontal, xlGeneral, xlCenter, 2, 13 + 18, -15, TXTJUST_LC, 0},
      {"right top with an indent", xlHorizontal, xlRight, xlTop, 1, 70 - 3 - 9, -8, TXTJUST_RT, 0},
      {"centre bottom", xlHorizontal, xlCenter, xlBottom, 0, 40, -22, TXTJUST_CB, 0},
      {"upward, centred and middle-aligned", xlUpward, xlCenter, xlCenter, 0, 40, -15, TXTJUST_CC, 90},
      {"upward, right top: the indent does not move turned text", xlUpward, xlRight, xlTop, 1, 67, -8,
       TXTJUST_RB, 90},
      {"upward, left bottom", xlUpward, xlLeft, xlBottom, 0, 13, -22, TXTJUST_LT, 90},
      {"downward, left top", xlDownward, xlLeft, xlTop, 0, 13, -8, TXTJUST_LB, -90},
      {"downward, right bottom", xlDownward, xlRight, xlBottom, 0, 67, -22, TXTJUST_RT, -90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    CAutoCell text = TextCell(u"ab");
    text.Orientation = c.orientation;
    text.HorizontalAlignment = c.horizontal;
    text.VerticalAlignment = c.vertical;
    text.IndentLevel = c.indent;
    ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
    const auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].type, TEXT_ELM);
    EXPECT_EQ(drawn[0].text, u"ab");
    EXPECT_NEAR(drawn[0].x, c.x, 1e-9);
    EXPECT_NEAR(drawn[0].y, c.y, 1e-9);
    EXPECT_EQ(drawn[0].just, c.just);
    EXPECT_NEAR(drawn[0].degrees, c.degrees, 1e-9);
    EXPECT_NEAR(drawn[0].height, 10, 1e-9);
    EXPECT_NEAR(drawn[0].width, 9, 1e-9);
    EXPECT_NEAR(drawn[0].params.lineSpacing / mdlModelRef_getUorPerMaster(mdlModelRef_getActive()), 7.5, 1e-9);
  }
}

TEST_F(DrawCellTextTest, NoTextOrNoRoomDrawsNothing) {
  struct Case {
    const char* name;
    bool hasText;
    double width, height;
    int indent;
  } cases[] = {
      {"no text", false, 60, 20, 0},
      {"narrower than the left margin", true, 2.5, 20, 0},
      {"narrower than the margin and the indent", true, 11.5, 20, 1},
      {"lower than the top margin", true, 60, 2.5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CAutoCell text = TextCell(u"ab", c.width, c.height);
    text.IndentLevel = c.indent;
    if (!c.hasText) text.RemoveText();
    EXPECT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 0);
    EXPECT_TRUE(Drawn().empty());
  }
}

TEST_F(DrawCellTextTest, StyleSizeColourWeightAndLevelComeFromTheFontAndOptions) {
  const LevelOption bold = NewLevel("Bold"), italic = NewLevel("Italic"), plain = NewLevel("Text");
  QuorvelleSetup& setup = table.Setup;
  setup.TextOnOneLevel = 0;
  setup.TextLayer = plain;
  setup.BoldTextLevel = bold;
  setup.ItalicTextLevel = italic;
  setup.TextClrOpt = 2;
  setup.RegularColorIndex = 3;
  setup.BoldColorIndex = 4;
  setup.DefaultTextWeight = 1;
  setup.BoldLineWeight = 3;

  CAutoCell text = TextCell(u"ab");
  text.Font.Bold = 1;
  text.Font.Italic = 1;
  text.Font.Underline = 1;
  text.Font.FixedWidth = 7;
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  const DrawnText drawn = Drawn().at(0);
  EXPECT_EQ(drawn.level, bold.id) << "bold wins over italic";
  EXPECT_EQ(drawn.color, 4u);
  EXPECT_EQ(drawn.weight, 3u);
  EXPECT_NEAR(drawn.width, 7, 1e-9);
  EXPECT_TRUE(drawn.params.flags & TXTFLAG_ITALICS);
  EXPECT_TRUE(drawn.params.flags & TXTFLAG_UNDERLINE);
  EXPECT_TRUE(drawn.params.exFlags & TXTEXFLAG_BOLD);
  EXPECT_NEAR(drawn.params.underlineSpacing / mdlModelRef_getUorPerMaster(mdlModelRef_getActive()), 2, 1e-9);

  // Colour index 256 or more leaves the colour to the level; italic alone goes on the
  // italic level; one level for all texts.
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  text.Font.Bold = 0;
  setup.RegularColorIndex = 256;
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  EXPECT_EQ(Drawn().at(0).level, italic.id);
  EXPECT_EQ(Drawn().at(0).color, static_cast<UInt32>(COLOR_BYLEVEL));

  EXPECT_EQ(CQVUtiMStation::TextLevel(false, false), plain.id);
  setup.TextOnOneLevel = 1;
  EXPECT_EQ(CQVUtiMStation::TextLevel(true, true), plain.id);
  setup.TextLayer = LevelOption{};
  EXPECT_EQ(CQVUtiMStation::TextLevel(true, false), ActiveLevelNow());
}

TEST_F(DrawCellTextTest, SeveralLinesAreOneNodeOfTrimmedLines) {
  CAutoCell text = TextCell(u" ab cd \nef", 30);
  text.WrapText = 1;
  text.VerticalAlignment = xlTop;
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].type, TEXT_NODE_ELM);
  EXPECT_EQ(drawn[0].just, TXTJUST_LT);
  EXPECT_NEAR(drawn[0].x, 13, 1e-9);
  EXPECT_NEAR(drawn[0].y, -8, 1e-9);
  EXPECT_EQ(drawn[1].text, u"ab");
  EXPECT_EQ(drawn[2].text, u"cd");
  EXPECT_EQ(drawn[3].text, u"ef");
}

TEST_F(DrawCellTextTest, TheByteOrderMarkGoesOnlyFromSeveralLinesInFontsWithoutIt) {
  struct Case {
    const char* name;
    const char* font;
    int kind;
    double width;
    std::vector<std::u16string> texts;  // of the element, or of the node's lines
  } cases[] = {
      {"SHX, one line: kept", "romans", kFontKindShx, 100, {u"\uFEFFab cd"}},
      {"SHX, two lines: dropped", "romans", kFontKindShx, 30, {u"", u"ab", u"cd"}},
      {"TrueType, two lines: kept", "Arial", kFontKindTrueType, 24, {u"", u"\uFEFFab", u"cd"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    UInt32 font = static_cast<UInt32>(FindMSFontNumber(c.font, c.kind));
    ASSERT_GE(static_cast<int>(font), 0);
    mdlParams_setActive(&font, ACTIVEPARAM_FONT);
    CAutoCell text = TextCell(u"\uFEFFab cd", c.width);
    text.WrapText = 1;
    ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
    std::vector<std::u16string> texts;
    for (const DrawnText& d : Drawn()) texts.push_back(d.text);
    EXPECT_EQ(texts, c.texts);
  }
}

TEST_F(DrawCellTextTest, AStackedFractionIsOneNodeWithSmallRaisedAndLoweredParts) {
  CAutoCell text = TextCell(u"1 3/4", 200);
  text.VerticalAlignment = xlCenter;
  AddFractionRuns(text);
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].type, TEXT_NODE_ELM);
  const double baseline = -15;  // middle of the cell, centre-justified rows: no adjustment
  struct Expect {
    std::u16string text;
    double height, rise;
    UInt32 mark;
  } expected[] = {{u"1 ", 10, 0, 0}, {u"3", 6.6, 3.3, 1}, {u"4", 6.6, -2.7, 2}};
  double x = -1e9;
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const DrawnText& part = drawn[i + 1];
    EXPECT_EQ(part.text, expected[i].text);
    EXPECT_NEAR(part.height, expected[i].height, 1e-9);
    EXPECT_NEAR(part.width, expected[i].height * 0.9, 1e-9);
    if (i > 0) {
      EXPECT_NEAR(part.y, baseline + expected[i].rise, 1e-9);
    }
    EXPECT_EQ((part.params.exFlags & TXTEXFLAG_STACKEDFRACTION_SECTION_MASK) >> TXTEXFLAG_STACKEDFRACTION_SECTION_SHIFT,
              expected[i].mark);
    EXPECT_GT(part.x, x) << "runs follow each other";
    x = part.x;
  }

  // With a line feed the same text is drawn plain: lines of the normal size.
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  text.SetText(u"1\n3/4");
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  for (const DrawnText& d : Drawn()) EXPECT_NEAR(d.height, 10, 1e-9);
  EXPECT_EQ(Drawn().size(), 3u);
}

TEST_F(DrawCellTextTest, FractionPartsSitLowerUnderTopAndHigherOverBottomJustification) {
  struct Case {
    int vertical;
    double baseline, adjust;
  } cases[] = {{xlTop, -8, -2}, {xlBottom, -22, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vertical);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    CAutoCell text = TextCell(u"1 3/4", 200);
    text.VerticalAlignment = c.vertical;
    AddFractionRuns(text);
    ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
    const auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_NEAR(drawn[2].y, c.baseline + 3.3 + c.adjust, 1e-9);
    EXPECT_NEAR(drawn[3].y, c.baseline - 2.7 + c.adjust, 1e-9);
  }
}

TEST_F(DrawCellTextTest, CentredRichTextMovesLeftByHalfTheRest) {
  CAutoCell text = TextCell(u"ab cd", 100);
  text.HorizontalAlignment = xlCenter;
  text.Font.Runs.Add(MakeRun(u"ab ", 2));
  text.Font.Runs.Add(MakeRun(u"cd", 4));
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].type, TEXT_NODE_ELM);
  // The whole text is 45 wide, its first run 27: the node starts 9 left of the centre.
  EXPECT_NEAR(drawn[0].x, 10 + 50 - 9, 1e-9);
  EXPECT_EQ(drawn[0].just, TXTJUST_CB);
  // Later runs are left-justified after the first, as its characters would follow:
  // no gap where the runs meet.
  EXPECT_EQ(drawn[2].just, TXTJUST_LB);
  EXPECT_NEAR(drawn[2].x, drawn[1].x + 27, 1e-9);
}

// With a font map the runs of a rich text are read before the map is prepared (the
// user may map their fonts in the dialog only then): each run is drawn in the font the
// map gives its face by then, not in the active font.
TEST_F(DrawCellTextTest, RichRunsTakeTheFontTheMapGivesWhenDrawn) {
  table.Setup.UseFontOpt = 0;
  CAutoCell text = TextCell(u"ab cd", 200);
  text.Font.Runs = RunsFromDescription("No Such Font|b0|i0|s0|2:Body Face|b1|i0|s0|4", u"ab cd", table.Setup);
  ASSERT_EQ(2u, text.Font.Runs.size());
  EXPECT_EQ(-1, static_cast<int>(text.Font.Runs[1].TextParams.font));  // no map yet
  table.Setup.fontMap.AddExcelFont("Body Face", true, false);
  table.Setup.fontMap.entries.back().SetMSFont("(TrueType) Arial");
  const int arial = FindMSFontNumber("Arial", kFontKindTrueType);
  ASSERT_GE(arial, 0);
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  UInt32 active = 0;
  mdlParams_getActive(&active, ACTIVEPARAM_FONT);
  EXPECT_EQ(active, drawn[1].params.font);  // a face the map lacks
  EXPECT_EQ(static_cast<UInt32>(arial), drawn[2].params.font);
}

TEST_F(DrawCellTextTest, RichTextTooWideForTheCellIsDrawnPlain) {
  CAutoCell text = TextCell(u"abcdef", 40);
  text.Font.Runs.Add(MakeRun(u"abc", 2));
  text.Font.Runs.Add(MakeRun(u"def", 5));
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].type, TEXT_ELM);
  EXPECT_EQ(drawn[0].text, u"abcdef");
}

TEST_F(DrawCellTextTest, SpecialCharactersShiftTheText) {
  ASSERT_TRUE(WriteProfileInt(kProductSection, "HasShiftChar", 1));
  ASSERT_TRUE(WriteProfileString(kProductSection, "ShiftChar", "g y"));
  ASSERT_TRUE(WriteProfileString(kProductSection, "ShiftPoints", "1.5"));
  const double k = CQVUtiMStation::PlacementScale();
  struct Case {
    const char* name;
    std::u16string text;
    int orientation;
    double dx, dy;
  } cases[] = {
      {"a g moves horizontal text down", u"gap", xlHorizontal, 0, -1.5 * k},
      {"a y moves turned text right", u"day", xlUpward, 1.5 * k, 0},
      {"other texts stay", u"map", xlHorizontal, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    CAutoCell text = TextCell(c.text);
    text.Orientation = c.orientation;
    text.VerticalAlignment = xlTop;
    ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
    EXPECT_NEAR(Drawn().at(0).x, 13 + c.dx, 1e-9);
    EXPECT_NEAR(Drawn().at(0).y, -8 + c.dy, 1e-9);
  }

  // Off, the characters do nothing.
  ASSERT_TRUE(WriteProfileInt(kProductSection, "HasShiftChar", 0));
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  CAutoCell text = TextCell(u"gap");
  text.VerticalAlignment = xlTop;
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
  EXPECT_NEAR(Drawn().at(0).y, -8, 1e-9);
}

TEST_F(DrawCellTextTest, FontNamesMapToTheFontsOfTheDesignFile) {
  struct Alias {
    const char* excel;
    const char* family;
  } aliases[] = {
      {"Swis721 Lt BT", "Swiss 721 Light BT"},
      {"swis721 lt bt", "Swiss 721 Light BT"},
      {"Dutch801 XBd BT", "Dutch 801 Extra Bold BT"},
      {"UniversalMath1 BT", "Universal Math 1 BT"},
      {"Arial", "Arial"},
      {"Swis721 Lt", "Swis721 Lt"},
  };
  for (const Alias& a : aliases) EXPECT_EQ(CQVUtiMStation::MapBTFontName(a.excel), a.family) << a.excel;

  UInt32 active = 0;
  mdlParams_getActive(&active, ACTIVEPARAM_FONT);
  CAutoCell text = TextCell(u"ab");
  table.Setup.UseFontOpt = 1;
  text.Font.Name = "Arial";
  EXPECT_EQ(static_cast<int>(CQVUtiMStation::CellFontNumber(text)), FindMSFontNumber("Arial", kFontKindTrueType));
  text.Font.Name = "No Such Font";
  EXPECT_EQ(CQVUtiMStation::CellFontNumber(text), active);

  // Without the option the font map decides, and a name it lacks gives the active font.
  table.Setup.UseFontOpt = 0;
  EXPECT_EQ(CQVUtiMStation::CellFontNumber(text), active);
}
