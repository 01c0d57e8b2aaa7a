// Writing the link data on a new table cell header: the link's keys, the path in the
// user's form, the table properties and the font map, all or nothing.
#include <filesystem>
#include <string>
#include <vector>

#include "host/msoutput.h"
#include "tests/linkdata/LinkDataTestSupport.h"

namespace {

class LinkWriterTest : public LinkDataTest {
 protected:
  static xlslinkinfo Link(const std::string& path) {
    xlslinkinfo link;
    link.Path = path;
    link.Worksheet = "Sheet1";
    link.Range = "$A$1:$D$10";
    link.LastSaveTime = COleDateTime(2026, 12, 10, 14, 3, 27);
    return link;
  }
  // The keys 50-89 of the table properties, in order.
  static std::vector<int> PropertyKeys() {
    std::vector<int> keys;
    for (int key = 50; key <= 89; ++key) keys.push_back(key);
    return keys;
  }
};

TEST_F(LinkWriterTest, LinkKeysInOrderWithEmptyTextsLeftOut) {
  struct Case {
    EFuncState funcState;
    xlslinkinfo link;
    Linkages expected;
  };
  xlslinkinfo noTexts;
  const Case cases[] = {
      {kFuncCreate,
       Link("C:\\Data\\Book1.xlsx"),
       {{2, "$A$1:$D$10"}, {5, "Sheet1"}, {3, "12/10/2026 14:03:27"}, {4, "C:\\Data\\Book1.xlsx"}}},
      // The save time is always written, even when no time is known.
      {kFuncCreate, noTexts, {{3, ""}}},
      // An update writes the path whatever it holds.
      {kFuncUpdate, noTexts, {{3, ""}, {4, ""}}},
  };
  for (const Case& c : cases) {
    MSElement header = NewHeader();
    EXPECT_EQ(1, SaveXlsInfoToLinkage(&header, c.link, false, c.funcState));
    EXPECT_EQ(c.expected, LinkagesOf(header)) << c.link.Path;
  }
}

TEST_F(LinkWriterTest, APathNamingAFolderWritesNothing) {
  MSElement header = NewHeader();
  EXPECT_EQ(0, SaveXlsInfoToLinkage(&header, Link("C:\\Data\\"), true, kFuncCreate));
  EXPECT_TRUE(header.linkages.empty());
  EXPECT_EQ(std::vector<std::string>{"The workbook path C:\\Data\\ names a folder; the table is not linked."},
            sim::OutputTexts(sim::OutputKind::Error));
}

TEST_F(LinkWriterTest, PathTakesTheFormOfLinkPathTypeExceptInAnUpdate) {
  sim::NewDesignFile(dir.File("Drawings/plan.dgn"));
  std::filesystem::create_directories(dir.path() / "Elsewhere");
  ASSERT_TRUE(sim::MapDrive('D', (dir.path() / "Elsewhere").string()));
  const std::string sub = WindowsPath("Drawings/Sub/Book1.xlsx");
  const std::string beside = WindowsPath("Data/Book1.xlsx");
  const std::string server = "pw:\\\\Server\\Documents\\Book1.xlsx*4711";
  struct Case {
    int pathType;
    EFuncState funcState;
    std::string path;
    std::string stored;
  };
  const Case cases[] = {
      {1, kFuncCreate, sub, ".\\Sub\\Book1.xlsx"},
      {1, kFuncCreate, beside, "..\\Data\\Book1.xlsx"},
      {1, kFuncCreate, "D:\\Data\\Book1.xlsx", "D:\\Data\\Book1.xlsx"},  // another drive: no relative path
      {1, kFuncCreate, server, server},                                 // a server document is no file here
      {1, kFuncEdit, sub, ".\\Sub\\Book1.xlsx"},
      {1, kFuncUpdate, sub, sub},
      {2, kFuncCreate, sub, "Book1.xlsx"},
      {2, kFuncCreate, server, server},
      {2, kFuncUpdate, sub, sub},
      {0, kFuncCreate, sub, sub},
      {3, kFuncCreate, sub, sub},
  };
  for (const Case& c : cases) {
    PutSetting("LinkPathType", c.pathType);
    MSElement header = NewHeader();
    ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, Link(c.path), false, c.funcState));
    EXPECT_EQ(c.stored, TextOf(header, 4)) << "type " << c.pathType << ", mode " << c.funcState << ", " << c.path;
  }

  // A design file never saved has no folder to be relative to.
  sim::ResetHost();
  PutSetting("LinkPathType", 1);
  MSElement header = NewHeader();
  ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, Link(sub), false, kFuncCreate));
  EXPECT_EQ(sub, TextOf(header, 4));
}

TEST_F(LinkWriterTest, PropertiesFollowTheLinkAndTheFontMapFollowsThemWhenKeptOnTables) {
  setup.FontSizes = std::string(700, '9');
  setup.BorderLayer.name = std::string(300, 'L');
  setup.fontMap.AddExcelFont("Arial", true, false);

  struct Case {
    int keepFontMap;
    int useFontOpt;
    bool withProperties;
    std::vector<int> keysAfterLink;
  };
  std::vector<int> propertiesThenMap = PropertyKeys();
  propertiesThenMap.insert(propertiesThenMap.end(), {21, 20});
  const Case cases[] = {
      {0, 0, true, PropertyKeys()},
      {1, 1, true, PropertyKeys()},  // the table does not draw by its map
      {1, 0, true, propertiesThenMap},
      {1, 0, false, {21, 20}},
  };
  for (const Case& c : cases) {
    PutSetting("SaveFontMapToCell", c.keepFontMap);
    setup.UseFontOpt = c.useFontOpt;
    MSElement header = NewHeader();
    ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, Link("C:\\Data\\Book1.xlsx"), c.withProperties, kFuncCreate));
    std::vector<int> keys = KeysOf(header);
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(c.keysAfterLink, std::vector<int>(keys.begin() + 4, keys.end()))
        << "keep " << c.keepFontMap << ", UseFontOpt " << c.useFontOpt;
    if (!c.withProperties) continue;
    EXPECT_EQ("5.70", TextOf(header, 50));
    EXPECT_EQ(setup.FontSizes, TextOf(header, 86));  // long tables whole
    EXPECT_EQ(std::string(260, 'L'), TextOf(header, 68));
    EXPECT_EQ(std::string(260, 'L'), TextOf(header, 77));
  }
}

TEST_F(LinkWriterTest, NumbersAsDecimalText) {
  setup.TextWFactor = 0.123456789;
  setup.CellDrawingUnits = 2500000;
  setup.ImportObj = -3;
  setup.SplitRowsToColumns = 1;
  setup.firstColumnOrigin = {1.5, -2.25, 9};
  setup.secondColumnOrigin = {100, 0.0000001, 9};
  MSElement header = NewHeader();
  ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, Link("C:\\Data\\Book1.xlsx"), true, kFuncCreate));
  EXPECT_EQ("0.123457", TextOf(header, 51));  // six significant digits
  EXPECT_EQ("2.5e+06", TextOf(header, 54));
  EXPECT_EQ("-3", TextOf(header, 67));
  EXPECT_EQ("1;1.500000;-2.250000;100.000000;0.000000", TextOf(header, 89));
}

TEST_F(LinkWriterTest, AHeaderThatCannotTakeItAllKeepsNoHalfOfIt) {
  setup.ColumnWidths = std::string(70000, '5');  // more than an element holds
  MSElement header = NewHeader();
  const std::u16string other = u"kept";
  mdlLinkage_appendStringLinkage(&header, 7, other.c_str());
  EXPECT_EQ(0, SaveXlsInfoToLinkage(&header, Link("C:\\Data\\Book1.xlsx"), true, kFuncCreate));
  EXPECT_EQ((Linkages{{7, "kept"}}), LinkagesOf(header));
  EXPECT_EQ(1u, sim::OutputTexts(sim::OutputKind::Error).size());

  // Without the properties the link fits.
  EXPECT_EQ(1, SaveXlsInfoToLinkage(&header, Link("C:\\Data\\Book1.xlsx"), false, kFuncCreate));
  EXPECT_EQ((std::vector<int>{7, 2, 5, 3, 4}), KeysOf(header));
}

}  // namespace
