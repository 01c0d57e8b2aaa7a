// The links of a design file's tables from the host shell: the list, and the link
// manager's changes with their questions answered by option, by terminal or not at
// all.
#include <filesystem>
#include <nlohmann/json.hpp>

#include "sim/platform/SimPlatform.h"
#include "tests/tools/ShellTestSupport.h"

namespace {

class LinksShellTest : public ShellTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "data");
    std::filesystem::create_directories(dir.path() / "moved");
    for (const char* name : {"a.xlsx", "b.xlsx"})
      std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/Formatting.xlsx", dir.path() / "data" / name);
    dgn = dir.File("plan.dgn");
    for (const auto& [book, range, at] : {std::tuple{"a.xlsx", "A1:C4", "0,0"}, {"a.xlsx", "a1:c4", "0,100"},
                                          {"b.xlsx", "A1:B2", "0,200"}})
      ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + dir.File(std::string("data/") + book) +
                         " --range " + range + " --at " + at)
                       .status);
  }

  nlohmann::json List() { return nlohmann::json::parse(Shell("--design " + dgn + " links --json").out); }
  std::string Windows(const std::string& relative) { return sim::ToWindowsPath(dir.File(relative)); }

  std::string dgn;
};

TEST_F(LinksShellTest, TheListShowsEachLinkOnceWithItsTablesAndWorkbook) {
  nlohmann::json list = List();
  ASSERT_EQ(2u, list.size()) << list;
  EXPECT_EQ(Windows("data/a.xlsx"), list[0]["path"]);
  EXPECT_EQ(Windows("data/a.xlsx"), list[0]["resolved"]);
  EXPECT_EQ("$A$1:$C$4", list[0]["range"]);
  EXPECT_EQ(2u, list[0]["tables"].size());
  EXPECT_TRUE(list[0]["exists"]);
  EXPECT_FALSE(list[0]["newer"]);

  // A workbook saved after its table was drawn, and one that is gone.
  const auto later = std::filesystem::last_write_time(dir.File("data/a.xlsx")) + std::chrono::hours(1);
  std::filesystem::last_write_time(dir.File("data/a.xlsx"), later);
  std::filesystem::remove(dir.File("data/b.xlsx"));
  list = List();
  EXPECT_TRUE(list[0]["newer"]);
  EXPECT_FALSE(list[1]["exists"]);
  const ShellResult text = Shell("--design " + dgn + " links");
  EXPECT_NE(std::string::npos, text.out.find("(saved after the table was drawn)")) << text.out;
  EXPECT_NE(std::string::npos, text.out.find("(not found)")) << text.out;
}

TEST_F(LinksShellTest, UpdateReplaceFolderAndOpenChangeTheLinksAsTheDialogDoes) {
  for (const char* name : {"a.xlsx", "b.xlsx"})
    std::filesystem::copy_file(dir.File(std::string("data/") + name), dir.File(std::string("moved/") + name));
  ShellResult r = Shell("--design " + dgn + " links replace-folder '" + Windows("data") + "' '" + Windows("moved") + "'");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_EQ(Windows("moved/a.xlsx"), List()[0]["path"]);

  r = Shell("--design " + dgn + " links update 1 '" + Windows("moved/b.xlsx") + "|sheet1|$A$1:$B$2'");
  ASSERT_EQ(0, r.status) << r.out;
  nlohmann::json list = List();
  ASSERT_EQ(1u, list.size()) << list;  // one link: a's tables joined b's
  EXPECT_EQ(3u, list[0]["tables"].size());

  r = Shell("--design " + dgn + " links open 1");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Opened " + Windows("moved/b.xlsx") + " in Excel at Sheet1!$A$1:$B$2.")) << r.out;

  std::filesystem::remove(dir.File("moved/b.xlsx"));
  r = Shell("--design " + dgn + " links open 1");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("was not found")) << r.out;

  const std::pair<const char*, const char*> refused[] = {
      {"links update 7 1", "The design file has no link 7"},
      {"links update 'C:\\x.xlsx' 1", "A link is its number in the list or PATH|SHEET|RANGE"},
      {"links update 'C:\\x.xlsx|S|A1' 1", "No table uses the link C:\\x.xlsx|S|A1."},
      {"links replace-folder 'C:\\Data' 'Relative'", "You must enter a valid folder."},
      {"links frobnicate", "links takes list, update, break, open or replace-folder"},
      {"links break", "links break needs KEY."}};
  for (const auto& [words, message] : refused) {
    r = Shell("--design " + dgn + " " + words + " --yes");
    EXPECT_EQ(1, r.status) << words << "\n" << r.out;
    EXPECT_NE(std::string::npos, r.out.find(message)) << words << "\n" << r.out;
  }
}

TEST_F(LinksShellTest, BreakLinkIsDoneOnlyWhenTheQuestionIsAnsweredYes) {
  ShellResult r = Shell("--design " + dgn + " links break 2 < /dev/null");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Break Link was not confirmed")) << r.out;
  EXPECT_EQ(2u, List().size());

  r = ShellOnTerminal("--design " + dgn + " links break 2", "y\n");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Are you sure you want to break this link? [y/N]")) << r.out;
  EXPECT_EQ(1u, List().size());

  ASSERT_EQ(0, Shell("--design " + dgn + " links break 1 --yes").status);
  EXPECT_TRUE(List().empty());
}

}  // namespace
