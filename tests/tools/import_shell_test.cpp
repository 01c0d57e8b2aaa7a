// The import of several ranges from the host shell: the remembered list composed
// with importlist, written to a list file, and imported with a point per table.
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "sim/platform/SimPlatform.h"
#include "tests/tools/ShellTestSupport.h"

namespace {

class ImportShellTest : public ShellTest {
 protected:
  void SetUp() override {
    for (const char* name : {"a.xlsx", "b.xlsx"})
      std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/Formatting.xlsx", dir.File(name));
  }
  nlohmann::json List() { return nlohmann::json::parse(Shell("--quiet importlist list --json").out); }
  std::string Windows(const std::string& name) { return sim::ToWindowsPath(dir.File(name)); }
};

TEST_F(ImportShellTest, TheRememberedListIsComposedSavedAndImported) {
  ASSERT_EQ(0, Shell("importlist add " + dir.File("b.xlsx") + " Sheet1 A1:B2").status);
  ASSERT_EQ(0, Shell("importlist add " + dir.File("a.xlsx") + " sheet1 A1:C4").status);
  ShellResult r = Shell("importlist add " + dir.File("a.xlsx") + " Sheet1 a1:c4");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("There is already an item")) << r.out;
  r = Shell("importlist add " + dir.File("a.xlsx") + " Nope");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("The workbook has no visible sheet Nope (it has Sheet1")) << r.out;

  nlohmann::json list = List();
  ASSERT_EQ(2u, list.size()) << list;
  EXPECT_EQ(Windows("a.xlsx"), list[0]["workbook"]);
  EXPECT_EQ("A1:C4", list[0]["range"]);

  ASSERT_EQ(0, Shell("importlist save " + dir.File("two.qvxls")).status);
  const std::string dgn = dir.File("plan.dgn");
  r = Shell("--design " + dgn + " import " + dir.File("two.qvxls") + " --at 0,0");
  EXPECT_EQ(1, r.status) << r.out;  // one point for two tables
  EXPECT_NE(std::string::npos, r.out.find("give one more --at point")) << r.out;

  r = Shell("--design " + dgn + " import " + dir.File("two.qvxls") + " --at 0,0 --at 0,100");
  ASSERT_EQ(0, r.status) << r.out;
  const nlohmann::json links = nlohmann::json::parse(Shell("--design " + dgn + " links --json").out);
  ASSERT_EQ(2u, links.size()) << links;
  EXPECT_EQ("$A$1:$C$4", links[0]["range"]);

  r = Shell("importlist remove 1 < /dev/null");
  EXPECT_EQ(1, r.status) << r.out;
  ASSERT_EQ(0, Shell("importlist remove 1 --yes").status);
  EXPECT_EQ(1u, List().size());
  ASSERT_EQ(0, Shell("importlist load " + dir.File("two.qvxls")).status);
  EXPECT_EQ(2u, List().size());

  std::ofstream(dir.File("empty.qvxls")) << "\n\n";
  r = Shell("--design " + dgn + " import " + dir.File("empty.qvxls") + " --at 0,0");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("holds no item")) << r.out;
}

}  // namespace
