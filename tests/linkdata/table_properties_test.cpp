// The option set a table was drawn with, written as its table properties and read
// back into another option set.
#include <string>

#include "host/msmodel.h"
#include "tests/linkdata/LinkDataTestSupport.h"
#include "tests/settings/SetupSnapshot.h"

namespace {

class LinkTablePropertiesTest : public LinkDataTest {
 protected:
  void SetUp() override {
    LinkDataTest::SetUp();
    for (const char16_t* name : {u"Borders", u"Medium", u"Thick", u"Texts", u"Bold", u"Italic", u"Shapes", u"Hatch"})
      sim::AddLevel(name);
  }

  static LevelOption Level(const char* name) {
    std::u16string wide = sim::Utf8ToUtf16(name);
    LevelID id = LEVEL_NULL_ID;
    EXPECT_EQ(SUCCESS, mdlLevel_getIdFromName(&id, mdlModelRef_getActive(), LEVEL_NULL_ID, wide.c_str()));
    return {name, id};
  }

  // Every option the properties carry, away from its default; values a decimal text
  // of six significant digits holds exactly.
  static void SetCarriedOptions(QuorvelleSetup& s) {
    s.TextWFactor = 0.75;
    s.CellScaleOpt = 2;
    s.CellScaleIndex = 13;
    s.CellDrawingUnits = 12.5;
    s.CellExcelPoints = 11.5;
    s.FontScaleOpt = 2;
    s.FontScaleIndex = 16;
    s.FontDrawingUnits = 15.5;
    s.FontExcelPoints = 14.5;
    s.LineClrOpt = 2;
    s.TextClrOpt = 3;
    s.ThinColorIndex = 26;
    s.ThickColorIndex = 28;
    s.RegularColorIndex = 29;
    s.BoldColorIndex = 30;
    s.UseFontOpt = 0;
    s.ImportObj = 93;
    s.BorderLayer = Level("Borders");
    s.TextLayer = Level("Texts");
    s.AutoShapeLayer = Level("Shapes");
    s.PatternLevel = Level("Hatch");
    s.BorderThinWeight = 17;
    s.BorderMediumWeight = 18;
    s.BorderThickWeight = 19;
    s.OnlyPrintArea = 1;
    s.BorderOnOneLevel = 0;
    s.MediumBorderLevel = Level("Medium");
    s.ThickBorderLevel = Level("Thick");
    s.TextOnOneLevel = 0;
    s.BoldTextLevel = Level("Bold");
    s.ItalicTextLevel = Level("Italic");
    s.DefaultTextWeight = 20;
    s.BoldLineWeight = -1;
    s.MediumColorIndex = 27;
    s.FontSizes = "8=6;10=7.5;" + std::string(689, '1');  // longer than any other text
    s.ColumnWidths = "1:20;2:35.5";
    s.RowHeights = "1:12;4:18";
    s.SplitRowsToColumns = 1;
    s.firstColumnOrigin = {12.25, -3.5, 0};
    s.secondColumnOrigin = {48.125, -3.5, 0};
  }
};

TEST_F(LinkTablePropertiesTest, EveryCarriedOptionComesBackAndNothingElseChanges) {
  FillWithNonDefaults(setup);  // the options not carried too, so that a stray one shows
  SetCarriedOptions(setup);
  xlslinkinfo link;
  link.Path = "C:\\Data\\Book1.xlsx";
  MSElement header = NewHeader();
  ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, link, true, kFuncCreate));
  MSElement cell = Place(header);

  QuorvelleSetup read;
  currentOptionSet = &read;
  xlslinkinfo readLink;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &readLink, true));
  QuorvelleSetup expected;
  SetCarriedOptions(expected);
  EXPECT_EQ(SetupSnapshot(expected), SetupSnapshot(read));
}

TEST_F(LinkTablePropertiesTest, BothBorderLevelKeysApplyTheLaterLast) {
  const LevelOption borders = Level("Borders"), texts = Level("Texts");
  MSElement cell = PlaceWithLinkages({{4, "C:\\Book1.xlsx"}, {68, "Texts"}, {77, "Borders"}, {69, "Texts"}});
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ(borders.name, setup.BorderLayer.name);
  EXPECT_EQ(borders.id, setup.BorderLayer.id);

  MSElement reversed = PlaceWithLinkages({{4, "C:\\Book1.xlsx"}, {77, "Borders"}, {68, "Texts"}});
  ASSERT_EQ(1, ReadXlsInfo(&reversed, &link, true));
  EXPECT_EQ(texts.name, setup.BorderLayer.name);
  EXPECT_EQ(texts.id, setup.BorderLayer.id);
}

TEST_F(LinkTablePropertiesTest, LevelNamesAreFoundInTheModelNeverMade) {
  setup.TextLayer = Level("Texts");
  ReadTableProperty(69, "Roof");
  EXPECT_EQ("Roof", setup.TextLayer.name);
  EXPECT_EQ(LEVEL_NULL_ID, setup.TextLayer.id);  // drawn on the active level
  LevelID roof = LEVEL_NULL_ID;
  EXPECT_NE(SUCCESS, mdlLevel_getIdFromName(&roof, mdlModelRef_getActive(), LEVEL_NULL_ID, u"Roof"));

  ReadTableProperty(69, "TEXTS");
  EXPECT_EQ(Level("Texts").id, setup.TextLayer.id);
  ReadTableProperty(69, "");
  EXPECT_EQ("", setup.TextLayer.name);
}

TEST_F(LinkTablePropertiesTest, TextsThatAreNoNumbersGiveZero) {
  struct Case {
    int key;
    const char* text;
    int QuorvelleSetup::*option;
    int value;
  };
  const Case cases[] = {
      {52, "abc", &QuorvelleSetup::CellScaleOpt, 0},
      {67, "12 parts", &QuorvelleSetup::ImportObj, 12},
      {53, "7.9", &QuorvelleSetup::CellScaleIndex, 7},
      {72, "99999999999", &QuorvelleSetup::BorderThinWeight, 2147483647},
      {83, "-99999999999", &QuorvelleSetup::DefaultTextWeight, -2147483647 - 1},
  };
  for (const Case& c : cases) {
    ReadTableProperty(static_cast<UShort>(c.key), c.text);
    EXPECT_EQ(c.value, setup.*c.option) << c.key << " " << c.text;
  }
  ReadTableProperty(55, "x");
  EXPECT_EQ(0.0, setup.CellExcelPoints);

  // Split data: the fields there are set, the missing ones stay.
  setup.secondColumnOrigin = {5, 6, 7};
  ReadTableProperty(89, "1;2.5;-3.5");
  EXPECT_EQ(1, setup.SplitRowsToColumns);
  EXPECT_EQ(2.5, setup.firstColumnOrigin.x);
  EXPECT_EQ(-3.5, setup.firstColumnOrigin.y);
  EXPECT_EQ(5.0, setup.secondColumnOrigin.x);
  EXPECT_EQ(6.0, setup.secondColumnOrigin.y);

  // Keys outside the properties change nothing.
  const std::string before = SetupSnapshot(setup);
  for (int key : {0, 4, 10, 49, 50, 90, 65535}) ReadTableProperty(static_cast<UShort>(key), "1");
  EXPECT_EQ(before, SetupSnapshot(setup));
}

}  // namespace
