// Reading the link of a placed table from its string linkages or, preferred, from its
// link attribute; damaged attributes are reported and read as no link.
#include <cstring>
#include <string>
#include <vector>

#include "host/msmodel.h"
#include "output/LinkTexts.h"
#include "settings/LevelResolution.h"
#include "tests/linkdata/LinkDataTestSupport.h"
#include "tests/settings/SetupSnapshot.h"

namespace {

class LinkReaderTest : public LinkDataTest {};

const Linkages kLinkLinkages = {
    {2, "$A$1:$D$10"}, {5, "Sheet1"}, {3, "12/10/2026 14:03:27"}, {4, "C:\\Data\\Book1.xlsx|Sheet1!R1C1"},
    {50, "5.70"},      {66, "0"},     {68, "Walls"},
};

TEST_F(LinkReaderTest, LinkagesGiveTheLinkAndOnlyWithPropertiesTheOptions) {
  MSElement cell = PlaceWithLinkages(kLinkLinkages);
  const std::string before = SetupSnapshot(setup);
  xlslinkinfo link;
  link.elements = {40, 41};  // the link manager's, not the reader's
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, false));
  EXPECT_EQ("C:\\Data\\Book1.xlsx", link.Path);  // what follows "|" is not part of the path
  EXPECT_EQ("Sheet1", link.Worksheet);
  EXPECT_EQ("$A$1:$D$10", link.Range);
  EXPECT_EQ("12/10/2026 14:03:27", link.LastSaveTime.Format());
  EXPECT_EQ((std::vector<ULong>{40, 41}), link.elements);
  EXPECT_EQ(before, SetupSnapshot(setup));

  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ(0, setup.UseFontOpt);
  EXPECT_EQ("Walls", setup.BorderLayer.name);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(LinkReaderTest, MissingKeysReadAsEmptyAndNoPathAsNoLink) {
  xlslinkinfo link;
  link.Path = "C:\\Old\\Book.xlsx";
  link.Worksheet = "Old";
  link.Range = "A1";
  link.LastSaveTime = COleDateTime(2020, 1, 1, 0, 0, 0);

  MSElement cell = PlaceWithLinkages({{4, "C:\\Data\\Book1.xlsx"}, {3, "yesterday"}});
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, false));
  EXPECT_EQ("", link.Worksheet);
  EXPECT_EQ("", link.Range);
  EXPECT_EQ(COleDateTime::invalid, link.LastSaveTime.GetStatus());

  MSElement unlinked = PlaceWithLinkages({{2, "A1:B2"}, {5, "Sheet1"}});
  EXPECT_EQ(0, ReadXlsInfo(&unlinked, &link, false));
  EXPECT_EQ(0, ReadXlsInfo(nullptr, &link, false));
  EXPECT_EQ(0, ReadXlsInfo(&unlinked, nullptr, false));
}

TEST_F(LinkReaderTest, LinkTextsAreCutButTheSizeTablesReadWhole) {
  const std::string longRange(600, 'R');
  const std::string sizes(700, '8');
  MSElement cell = PlaceWithLinkages({{2, longRange}, {4, "C:\\Book1.xlsx"}, {86, sizes}, {87, sizes}, {88, sizes}});
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ(longRange.substr(0, 511), link.Range);
  EXPECT_EQ(sizes, setup.FontSizes);
  EXPECT_EQ(sizes, setup.ColumnWidths);
  EXPECT_EQ(sizes, setup.RowHeights);
}

TEST_F(LinkReaderTest, TheLinkAttributeIsPreferredToLinkages) {
  MSElement cell = PlaceWithLinkages(kLinkLinkages);
  WriteAttribute(cell, 0, LinkRecord(u"D:\\Elsewhere\\Book2.xlsx|extra", u"Summary", u"B2:C3", u"1/5/2026 9:03:07"));
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ("D:\\Elsewhere\\Book2.xlsx", link.Path);
  EXPECT_EQ("Summary", link.Worksheet);
  EXPECT_EQ("B2:C3", link.Range);
  EXPECT_EQ("1/5/2026 9:03:07", link.LastSaveTime.Format());
  // The linkages' properties are not read either.
  EXPECT_EQ(1, setup.UseFontOpt);
  EXPECT_EQ("", setup.BorderLayer.name);
}

TEST_F(LinkReaderTest, SlotsFilledToTheirEndReadNoFurther) {
  MSElement cell = PlaceWithLinkages({});
  std::vector<std::uint8_t> record(2088, 0);
  PutSlot(record, 0, std::u16string(261, u'p'));
  PutSlot(record, 522, std::u16string(261, u'w'));
  PutSlot(record, 1044, std::u16string(261, u'r'));
  PutSlot(record, 1566, std::u16string(261, u't'));
  WriteAttribute(cell, 0, record);
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, false));
  EXPECT_EQ(std::string(261, 'p'), link.Path);
  EXPECT_EQ(std::string(261, 'w'), link.Worksheet);
  EXPECT_EQ(std::string(261, 'r'), link.Range);
  EXPECT_EQ(COleDateTime::invalid, link.LastSaveTime.GetStatus());
}

TEST_F(LinkReaderTest, ALinkAttributeOfAnotherSizeIsReportedAndReadsAsNoLink) {
  for (std::size_t size : {std::size_t{2086}, std::size_t{2090}, std::size_t{0}}) {
    sim::ClearOutputLog();
    MSElement cell = PlaceWithLinkages(kLinkLinkages);
    std::vector<std::uint8_t> record = LinkRecord(u"C:\\Book1.xlsx", u"Sheet1", u"A1", u"");
    record.resize(size);
    WriteAttribute(cell, 0, record);
    xlslinkinfo link;
    EXPECT_EQ(0, ReadXlsInfo(&cell, &link, true)) << size;
    EXPECT_EQ("", link.Path) << size;
    EXPECT_EQ(std::vector<std::string>{CellMessage(kLinkCorrupted, cell)}, Boxes()) << size;
  }
}

// A properties record with every field set apart from its neighbours.
std::vector<std::uint8_t> PropertiesRecord() {
  std::vector<std::uint8_t> record(24752, 0);
  auto putInt = [&](std::size_t offset, std::int32_t value) { std::memcpy(&record[offset], &value, 4); };
  auto putDouble = [&](std::size_t offset, double value) { std::memcpy(&record[offset], &value, 8); };
  putInt(0, 3);
  record[4] = 0;  // UseFontOpt
  record[5] = 1;
  record[6] = 0;
  record[7] = 0;
  putDouble(8, 1.5);
  putDouble(16, 2.5);
  putDouble(24, 3.5);
  putDouble(32, 4.5);
  putDouble(40, 0.75);
  for (std::size_t i = 0; i < 17; ++i) putInt(48 + 4 * i, static_cast<std::int32_t>(101 + i));
  for (std::size_t i = 0; i < 8; ++i) putInt(116 + 4 * i, static_cast<std::int32_t>(201 + i));
  const char16_t* names[] = {u"Border", u"Medium", u"Thick", u"Text", u"Bold", u"Italic", u"Shapes", u"Pattern"};
  for (std::size_t i = 0; i < 8; ++i) PutSlot(record, 148 + 1026 * i, names[i]);
  PutSlot(record, 8356, std::u16string(4097, u'9'));  // no NUL within the slot
  PutSlot(record, 16550, u"20;30");
  PutSlot(record, 20648, u"12;14");
  return record;
}

TEST_F(LinkReaderTest, ThePropertiesRecordFillsTheOptionSet) {
  MSElement cell = PlaceWithLinkages({});
  WriteAttribute(cell, 0, LinkRecord(u"C:\\Book1.xlsx", u"Sheet1", u"A1", u""));
  WriteAttribute(cell, 1, PropertiesRecord());
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));

  QuorvelleSetup expected;
  expected.optionsVersion = 3;
  expected.UseFontOpt = 0;
  expected.OnlyPrintArea = 1;
  expected.BorderOnOneLevel = 0;
  expected.TextOnOneLevel = 0;
  expected.CellExcelPoints = 1.5;
  expected.CellDrawingUnits = 2.5;
  expected.FontExcelPoints = 3.5;
  expected.FontDrawingUnits = 4.5;
  expected.TextWFactor = 0.75;
  int* numbers[] = {&expected.CellScaleIndex,    &expected.FontScaleIndex,     &expected.CellScaleOpt,
                    &expected.FontScaleOpt,      &expected.BorderThinWeight,   &expected.BorderMediumWeight,
                    &expected.BorderThickWeight, &expected.DefaultTextWeight,  &expected.BoldLineWeight,
                    &expected.ThinColorIndex,    &expected.MediumColorIndex,   &expected.ThickColorIndex,
                    &expected.RegularColorIndex, &expected.BoldColorIndex,     &expected.LineClrOpt,
                    &expected.TextClrOpt,        &expected.ImportObj};
  int value = 101;
  for (int* n : numbers) *n = value++;
  expected.AutoShapeLayer = {"Shapes", 201};
  expected.PatternLevel = {"Pattern", 202};
  expected.BorderLayer = {"Border", 203};
  expected.MediumBorderLevel = {"Medium", 204};
  expected.ThickBorderLevel = {"Thick", 205};
  expected.TextLayer = {"Text", 206};
  expected.BoldTextLevel = {"Bold", 207};
  expected.ItalicTextLevel = {"Italic", 208};
  expected.FontSizes = std::string(4097, '9');
  expected.ColumnWidths = "20;30";
  expected.RowHeights = "12;14";
  EXPECT_EQ(SetupSnapshot(expected), SetupSnapshot(setup));
}

TEST_F(LinkReaderTest, APropertiesRecordOfAnotherSizeIsReportedAndChangesNothing) {
  MSElement cell = PlaceWithLinkages({});
  WriteAttribute(cell, 0, LinkRecord(u"C:\\Book1.xlsx", u"Sheet1", u"A1", u""));
  std::vector<std::uint8_t> record = PropertiesRecord();
  record.pop_back();
  WriteAttribute(cell, 1, record);
  const std::string before = SetupSnapshot(setup);
  xlslinkinfo link;
  EXPECT_EQ(0, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ(std::vector<std::string>{CellMessage(kTablePropertiesCorrupted, cell)}, Boxes());
  EXPECT_EQ(before, SetupSnapshot(setup));

  // Without properties the record is not looked at.
  sim::ClearOutputLog();
  EXPECT_EQ(1, ReadXlsInfo(&cell, &link, false));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(LinkReaderTest, PictureTagIsReadWithOrWithoutTheProperties) {
  MSElement cell = PlaceWithLinkages({{4, "C:\\Book1.xlsx"}, {10, "1A2B"}});
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, false));
  EXPECT_EQ("1A2B", setup.pictureTag);
  setup.pictureTag.clear();
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ("1A2B", setup.pictureTag);
}

TEST_F(LinkReaderTest, LevelsTheDesignFileLostAreMadeAgainOnlyWhenTheTableIsDrawn) {
  const LevelID walls = sim::AddLevel(u"Walls");
  MSElement cell = PlaceWithLinkages({{4, "C:\\Book1.xlsx"}, {68, "Walls"}, {70, "Objects"}, {69, ""}});
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ(walls, setup.BorderLayer.id);
  EXPECT_EQ("Objects", setup.AutoShapeLayer.name);
  LevelID found = 0;
  EXPECT_NE(SUCCESS, mdlLevel_getIdFromName(&found, mdlModelRef_getActive(), 0, u"Objects"));  // only read

  ResolveLevelOptions(setup);
  ASSERT_EQ(SUCCESS, mdlLevel_getIdFromName(&found, mdlModelRef_getActive(), 0, u"Objects"));
  EXPECT_EQ(found, setup.AutoShapeLayer.id);
  EXPECT_EQ(walls, setup.BorderLayer.id);
  EXPECT_EQ("", setup.TextLayer.name);  // unnamed: drawn on the active level
}

}  // namespace
