// Workbooks and font maps on a ProjectWise server from the host shell: a folder
// stands for the server, and the component is installed for the run.
#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/tools/ShellTestSupport.h"

namespace {

using ProjectWiseShellTest = ShellTest;

TEST_F(ProjectWiseShellTest, ATableLinkedToAServerDocumentIsUpdatedFromTheServer) {
  std::filesystem::create_directories(dir.path() / "server" / "Plans");
  std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/Formatting.xlsx", dir.File("local.xlsx"));
  std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/Formatting.xlsx", dir.File("server/Plans/a.xlsx"));
  const std::string dgn = dir.File("plan.dgn");
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " create --workbook " + dir.File("local.xlsx") +
                     " --range A1:B2 --at 0,0").status);
  ASSERT_EQ(0, Shell("--quiet --design " + dgn + " links update 1 'pw:\\Plans\\a.xlsx*|Sheet1|$A$1:$B$2'").status);

  ShellResult r = Shell("--design " + dgn + " update --all");  // no server: the component is not installed
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("You need to install the component")) << r.out;

  r = Shell("--design " + dgn + " --projectwise " + dir.File("server") + " update --all");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("Updated the table")) << r.out;
  const nlohmann::json links = nlohmann::json::parse(Shell("--design " + dgn + " links --json").out);
  ASSERT_EQ(1u, links.size());
  EXPECT_EQ("pw:\\Plans\\a.xlsx*", links[0]["path"]);
}

TEST_F(ProjectWiseShellTest, TheFontMapCommandLoadsAMapChosenOnTheServer) {
  std::filesystem::create_directories(dir.path() / "server" / "maps");
  ASSERT_EQ(0, Shell("fontmap add Arial Bold '(SHX) romans'").status);
  ASSERT_EQ(0, Shell("fontmap save " + dir.File("server/maps/office.afm")).status);
  ASSERT_EQ(0, Shell("fontmap remove Arial Bold --yes").status);
  ShellResult r = Shell("--projectwise " + dir.File("server") + " --pw-choose 'pw:\\maps\\office.afm*' fontmap load");
  ASSERT_EQ(0, r.status) << r.out;
  const nlohmann::json map = nlohmann::json::parse(Shell("--quiet fontmap list --json").out)["map"];
  ASSERT_EQ(1u, map.size()) << map;
  EXPECT_EQ("(SHX) romans", map[0]["font"]);
}

}  // namespace
