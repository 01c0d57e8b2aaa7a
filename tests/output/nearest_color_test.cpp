// Excel colours to the design file's colour table, and the colours and levels that
// options give.
#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"
#include "tests/output/OutputTestSupport.h"

namespace {

int Rgb(int red, int green, int blue) { return red | green << 8 | blue << 16; }

bool IsGreyEntry(int index) {
  RGBColorDef c;
  mdlColor_elementColorToRGB(&c, static_cast<UInt32>(index), mdlModelRef_getActive());
  return c.red == c.green && c.green == c.blue;
}

}  // namespace

using NearestColorIndexTest = OutputTest;

TEST_F(NearestColorIndexTest, ExcelColoursFindTheirEntries) {
  struct Case {
    const char* name;
    int rgb;
    int index;
  } cases[] = {
      {"black is colour 0", 0, 0},
      {"white is colour 255", Rgb(255, 255, 255), 255},
      {"red in the low byte", Rgb(255, 0, 0), 3},
      {"green", Rgb(0, 255, 0), 2},
      {"blue in the high byte", Rgb(0, 0, 255), 1},
      {"nearest of the cube", Rgb(50, 100, 160), 10 + 1 * 36 + 2 * 6 + 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CQVUtiMStation::NearestColorIndex(c.rgb), c.index);
  }
}

TEST_F(NearestColorIndexTest, GreyAndColourNeverMatchEachOtherEvenWhenCloser) {
  sim::SetColor(5, {100, 100, 101});
  sim::SetColor(9, {50, 50, 50});
  const int forGrey = CQVUtiMStation::NearestColorIndex(Rgb(100, 100, 100));
  EXPECT_NE(forGrey, 5);
  EXPECT_TRUE(IsGreyEntry(forGrey));
  const int forColour = CQVUtiMStation::NearestColorIndex(Rgb(50, 51, 50));
  EXPECT_NE(forColour, 9);
  EXPECT_FALSE(IsGreyEntry(forColour));
}

TEST_F(NearestColorIndexTest, LowestIndexWinsATieAndNoEntryOfTheKindGivesZero) {
  sim::SetColor(40, {1, 2, 3});
  sim::SetColor(20, {1, 2, 3});
  EXPECT_EQ(CQVUtiMStation::NearestColorIndex(Rgb(1, 2, 3)), 20);

  for (int i = 0; i < 256; ++i) sim::SetColor(i, {static_cast<unsigned char>(i), static_cast<unsigned char>(i),
                                                  static_cast<unsigned char>(i)});
  EXPECT_EQ(CQVUtiMStation::NearestColorIndex(Rgb(200, 10, 10)), 0);
}

TEST_F(NearestColorIndexTest, OptionColoursAndLevels) {
  struct ColourCase {
    int choice, optionIndex;
    UInt32 colour;
  } colours[] = {
      {1, 300, 3},  // the nearest to Excel's red
      {2, 0, 0},     {2, 255, 255}, {2, 256, COLOR_BYLEVEL}, {2, -1, COLOR_BYLEVEL}, {2, -7, COLOR_BYLEVEL},
      {0, 5, COLOR_BYLEVEL},
  };
  for (const ColourCase& c : colours) {
    SCOPED_TRACE(testing::Message() << c.choice << " " << c.optionIndex);
    EXPECT_EQ(ColourByChoice(c.choice, Rgb(255, 0, 0), c.optionIndex), c.colour);
  }

  LevelID named = sim::AddLevel(u"Borders");
  LevelID other = sim::AddLevel(u"Work");
  mdlParams_setActive(&other, ACTIVEPARAM_LEVEL);
  EXPECT_EQ(LevelFromOption(LevelOption{"Borders", named}), named);
  EXPECT_EQ(LevelFromOption(LevelOption{}), other);
  EXPECT_EQ(LevelFromOption(LevelOption{"Unresolved", LEVEL_NULL_ID}), other);
}
