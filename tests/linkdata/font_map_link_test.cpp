// A table's font map kept on its cell: as Base64 string linkages and as extended
// attribute 2; damaged maps are reported and leave the map as it was.
#include <string>
#include <vector>

#include "output/Base64.h"
#include "output/LinkTexts.h"
#include "support/Archive.h"
#include "tests/linkdata/LinkDataTestSupport.h"

namespace {

ExcelFontMap Entry(const char* face, const char* style, const char* msFont, int number, int kind) {
  ExcelFontMap e;
  e.m_strExcelFont = face;
  e.m_strStyle = style;
  e.m_strMSFont = msFont;
  e.m_nFontNum = number;
  e.m_nFontType = kind;
  return e;
}

std::string Describe(const ExcelFontMapArray& map) {
  std::string text;
  for (const ExcelFontMap& e : map.entries)
    text += e.m_strExcelFont + "/" + e.m_strStyle + "/" + e.m_strMSFont + "/" + std::to_string(e.m_nFontNum) + "/" +
            std::to_string(e.m_nFontType) + ";";
  return text;
}

std::vector<std::uint8_t> ArchiveOf(const ExcelFontMapArray& map) {
  CArchiveWriter archive;
  map.Serialize(archive);
  return archive.bytes();
}

class FontMapLinkTest : public LinkDataTest {
 protected:
  void SetUp() override {
    LinkDataTest::SetUp();
    PutSetting("SaveFontMapToCell", 1);
    tableMap.entries = {Entry("Arial", "Bold", "Arial", 3, kFontKindTrueType),
                        Entry("ＭＳ ゴシック", "Regular", "romans", 101, kFontKindShx),
                        Entry("Calibri", "Italic", "ENGINEERING", 1, kFontKindDgn)};
    previousMap.entries = {Entry("Verdana", "Regular", "Verdana", 9, kFontKindTrueType)};
  }

  // A placed cell with a link and the given extra linkages.
  static MSElement LinkedCell(const Linkages& extra) {
    Linkages linkages = {{4, "C:\\Data\\Book1.xlsx"}, {66, "0"}};
    linkages.insert(linkages.end(), extra.begin(), extra.end());
    return PlaceWithLinkages(linkages);
  }

  ExcelFontMapArray tableMap, previousMap;
};

TEST_F(FontMapLinkTest, MapThroughBase64LinkagesComesBackWhole) {
  setup.UseFontOpt = 0;
  setup.fontMap = tableMap;
  xlslinkinfo link;
  link.Path = "C:\\Data\\Book1.xlsx";
  MSElement header = NewHeader();
  ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, link, true, kFuncCreate));
  const std::vector<std::uint8_t> bytes = ArchiveOf(tableMap);
  EXPECT_EQ(sim::Utf16ToUtf8(CBase64::EncodeWide(bytes.data(), bytes.size())), TextOf(header, 20));
  EXPECT_EQ(std::to_string(TextOf(header, 20).size()), TextOf(header, 21));
  MSElement cell = Place(header);

  // Read into a set that starts drawing by names: the table's own UseFontOpt turns the map on.
  QuorvelleSetup read;
  read.fontMap = previousMap;
  currentOptionSet = &read;
  xlslinkinfo readLink;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &readLink, true));
  EXPECT_EQ(Describe(tableMap), Describe(read.fontMap));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FontMapLinkTest, MapIsReadOnlyWhenKeptOnTablesAndUsedByTheTable) {
  const std::vector<std::uint8_t> bytes = ArchiveOf(tableMap);
  const std::string base64 = CBase64::Encode(bytes.data(), bytes.size());
  const Linkages map = {{21, std::to_string(base64.size())}, {20, base64}};
  struct Case {
    int keepOnTables;
    const char* useFontOpt;
    bool loaded;
  };
  const Case cases[] = {{1, "0", true}, {0, "0", false}, {1, "1", false}};
  for (const Case& c : cases) {
    PutSetting("SaveFontMapToCell", c.keepOnTables);
    setup.ResetOptions();
    setup.fontMap = previousMap;
    Linkages linkages = {{4, "C:\\Book1.xlsx"}, {66, c.useFontOpt}};
    linkages.insert(linkages.end(), map.begin(), map.end());
    MSElement cell = PlaceWithLinkages(linkages);
    xlslinkinfo link;
    ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
    EXPECT_EQ(Describe(c.loaded ? tableMap : previousMap), Describe(setup.fontMap))
        << c.keepOnTables << " " << c.useFontOpt;
  }
}

TEST_F(FontMapLinkTest, DamagedLinkagesLeaveTheMapWithOneMessageAtMost) {
  const std::vector<std::uint8_t> bytes = ArchiveOf(tableMap);
  const std::string base64 = CBase64::Encode(bytes.data(), bytes.size());
  const std::string garbage = CBase64::Encode("\x01\x00\x00\x00\xFF\xFF\xFF\x7F", 8);  // a count of 2^31 - 1
  struct Case {
    const char* what;
    Linkages linkages;
    std::string message;
  };
  const Case cases[] = {
      {"wrong length", {{21, "7"}, {20, "Zm9vYg="}}, kBase64LengthMismatch},
      {"text cut", {{21, std::to_string(base64.size())}, {20, base64.substr(0, base64.size() - 3)}},
       kBase64LengthMismatch},
      {"not an archive", {{21, std::to_string(garbage.size())}, {20, garbage}}, "font map"},
      {"count too large", {{21, "999999999"}, {20, base64}}, ""},
      {"count negative", {{21, "-8"}, {20, base64}}, ""},
      {"count not a number", {{21, "many"}, {20, base64}}, ""},
      {"no text", {{21, std::to_string(base64.size())}}, ""},
      {"no count", {{20, base64}}, ""},
  };
  for (const Case& c : cases) {
    sim::ClearOutputLog();
    setup.fontMap = previousMap;
    MSElement cell = LinkedCell(c.linkages);
    xlslinkinfo link;
    EXPECT_EQ(1, ReadXlsInfo(&cell, &link, true)) << c.what;  // the link itself is sound
    EXPECT_EQ(Describe(previousMap), Describe(setup.fontMap)) << c.what;
    std::vector<std::string> expected;
    if (c.message == "font map")
      expected.push_back(CellMessage(kFontMapCorrupted, cell));
    else if (!c.message.empty())
      expected.push_back(c.message);
    EXPECT_EQ(expected, Boxes()) << c.what;
  }
}

class FontMapLinkAttributeTest : public FontMapLinkTest {
 protected:
  // A cell with the link attribute and a properties record that draws by the map.
  MSElement AttributedCell() {
    MSElement cell = PlaceWithLinkages({});
    WriteAttribute(cell, 0, LinkRecord(u"C:\\Data\\Book1.xlsx", u"Sheet1", u"A1:B2", u""));
    std::vector<std::uint8_t> properties(24752, 0);
    properties[4] = 0;  // UseFontOpt off
    WriteAttribute(cell, 1, properties);
    return cell;
  }
};

TEST_F(FontMapLinkAttributeTest, MapFromTheAttribute) {
  setup.fontMap = previousMap;
  MSElement cell = AttributedCell();
  WriteAttribute(cell, 2, ArchiveOf(tableMap));
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&cell, &link, true));
  EXPECT_EQ(Describe(tableMap), Describe(setup.fontMap));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FontMapLinkAttributeTest, MissingEmptyOrDamagedAttributeIsReportedAndLeavesTheMap) {
  const std::vector<std::uint8_t> archive = ArchiveOf(tableMap);
  const std::vector<std::vector<std::uint8_t>> attributes = {
      {}, std::vector<std::uint8_t>(archive.begin(), archive.end() - 1), {0xFF, 0xFF}};
  for (std::size_t i = 0; i <= attributes.size(); ++i) {
    sim::ClearOutputLog();
    setup.fontMap = previousMap;
    MSElement cell = AttributedCell();
    if (i < attributes.size()) WriteAttribute(cell, 2, attributes[i]);  // the last case has none
    xlslinkinfo link;
    EXPECT_EQ(1, ReadXlsInfo(&cell, &link, true)) << i;
    EXPECT_EQ(Describe(previousMap), Describe(setup.fontMap)) << i;
    EXPECT_EQ(std::vector<std::string>{CellMessage(kFontMapCorrupted, cell)}, Boxes()) << i;
  }
}

}  // namespace
