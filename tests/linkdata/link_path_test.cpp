// Finding the workbook of a stored path: next to the design file, through the
// reference folders, relative to the design file's folder or on its drive.
#include <filesystem>
#include <fstream>
#include <string>

#include "host/msview.h"
#include "platform/paths.h"
#include "tests/linkdata/LinkDataTestSupport.h"

namespace {

class LinkPathTest : public LinkDataTest {
 protected:
  void SetUp() override {
    LinkDataTest::SetUp();
    for (const char* file : {"Drawings/Book1.xlsx", "Drawings/Sub/Book3.xlsx", "Data/Book4.xlsx",
                             "Refs2/Book2.xlsx", "Refs3/Book1.xlsx", "Refs3/Book2.xlsx"}) {
      std::filesystem::create_directories((dir.path() / file).parent_path());
      std::ofstream(dir.path() / file) << "workbook";
    }
    std::filesystem::create_directories(dir.path() / "Refs1");
    sim::NewDesignFile(dir.File("Drawings/plan.dgn"));
    // The folders as users list them: with and without the closing backslash.
    sim::DefineCfgVar("MS_RFDIR", WindowsPath("Refs1") + ";;" + WindowsPath("Refs2") + "\\;" + WindowsPath("Refs3"));
  }
};

TEST_F(LinkPathTest, StoredPathsResolveAgainstTheDesignFile) {
  const std::string designDrive = std::string(tcbP->dgnfilenm).substr(0, 2);
  struct Case {
    std::string stored;
    std::string resolved;
  };
  const Case cases[] = {
      {"Book1.xlsx", WindowsPath("Drawings/Book1.xlsx")},  // next to the design file before any folder
      {"Book2.xlsx", WindowsPath("Refs2") + "\\Book2.xlsx"},  // the first reference folder that has it
      {"Missing.xlsx", "Missing.xlsx"},
      {".\\Sub\\Book3.xlsx", WindowsPath("Drawings/Sub/Book3.xlsx")},
      {"..\\Data\\Book4.xlsx", WindowsPath("Data/Book4.xlsx")},
      {"..\\Data\\.\\Missing.xlsx", WindowsPath("Data/Missing.xlsx")},  // canonical, found or not
      {"\\Projects\\Book5.xlsx", designDrive + "\\Projects\\Book5.xlsx"},
      {"D:\\Data\\Book6.xlsx", "D:\\Data\\Book6.xlsx"},
      {"\\\\server\\share\\Book7.xlsx", "\\\\server\\share\\Book7.xlsx"},  // a network path has its own root
      {"Data\\Book8.xlsx", "Data\\Book8.xlsx"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.resolved, ResolveLinkPath(c.stored)) << c.stored;
}

TEST_F(LinkPathTest, WithoutADesignFolderOnlyTheReferenceFoldersAreSearched) {
  sim::NewDesignFile("");
  EXPECT_EQ(WindowsPath("Refs3") + "\\Book1.xlsx", ResolveLinkPath("Book1.xlsx"));
  EXPECT_EQ(".\\Sub\\Book3.xlsx", ResolveLinkPath(".\\Sub\\Book3.xlsx"));
  sim::UndefineCfgVar("MS_RFDIR");
  EXPECT_EQ("Book2.xlsx", ResolveLinkPath("Book2.xlsx"));
}

// What a table stores is found again when the table is read back.
TEST_F(LinkPathTest, EveryStoredFormFindsItsWorkbookAgain) {
  struct Case {
    int pathType;
    std::string workbook;
    std::string stored;
  };
  const Case cases[] = {
      {1, "Drawings/Sub/Book3.xlsx", ".\\Sub\\Book3.xlsx"},
      {1, "Data/Book4.xlsx", "..\\Data\\Book4.xlsx"},
      {2, "Drawings/Book1.xlsx", "Book1.xlsx"},
      {2, "Refs2/Book2.xlsx", "Book2.xlsx"},
      {0, "Data/Book4.xlsx", WindowsPath("Data/Book4.xlsx")},
  };
  for (const Case& c : cases) {
    PutSetting("LinkPathType", c.pathType);
    xlslinkinfo link;
    link.Path = WindowsPath(c.workbook);
    MSElement header = NewHeader();
    ASSERT_EQ(1, SaveXlsInfoToLinkage(&header, link, false, kFuncCreate));
    MSElement cell = Place(header);
    xlslinkinfo read;
    ASSERT_EQ(1, ReadXlsInfo(&cell, &read, false));
    EXPECT_EQ(c.stored, read.Path);
    std::string resolved = ResolveLinkPath(read.Path);
    EXPECT_TRUE(PathFileExistsA(resolved.c_str())) << resolved;
    EXPECT_EQ(sim::ToLinuxPath(link.Path), sim::ToLinuxPath(resolved)) << c.workbook;
  }
}

}  // namespace
