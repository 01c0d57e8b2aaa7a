// The font map from the host shell: the stored map and its settings changed through
// the font map command's dialog, and the placing dialog answered by --font-map.
#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/tools/ShellTestSupport.h"

namespace {

class FontMapShellTest : public ShellTest {
 protected:
  nlohmann::json List() { return nlohmann::json::parse(Shell("--quiet fontmap list --json").out); }
};

TEST_F(FontMapShellTest, TheStoredMapAndItsSettingsChangeThroughTheDialog) {
  ASSERT_EQ(0, Shell("fontmap add Arial Bold '(SHX) romans'").status);
  ShellResult r = Shell("fontmap add arial BOLD '(TrueType) Arial' < /dev/null");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("not replaced")) << r.out;
  EXPECT_EQ("(SHX) romans", List()["map"][0]["font"]);
  ASSERT_EQ(0, Shell("fontmap add Arial Bold '(TrueType) Arial' --yes").status);
  EXPECT_EQ("(TrueType) Arial", List()["map"][0]["font"]);

  const std::pair<const char*, const char*> refused[] = {
      {"fontmap add 'No Such Family' Bold '(SHX) romans'", "No font family No Such Family is installed."},
      {"fontmap add Arial Heavy '(SHX) romans'", "A style is Regular, Italic, Bold or Bold Italic"},
      {"fontmap remove Arial Italic --yes", "The font map has no mapping of Arial Italic."},
      {"fontmap options width", "fontmap options takes NAME VALUE pairs."},
      {"fontmap options same-font '(SHX) nothing'", "No MicroStation font (SHX) nothing is offered."},
  };
  for (const auto& [words, message] : refused) {
    r = Shell(words);
    EXPECT_EQ(1, r.status) << words << "\n" << r.out;
    EXPECT_NE(std::string::npos, r.out.find(message)) << words << "\n" << r.out;
  }

  ASSERT_EQ(0, Shell("fontmap options width-factor 0 auto-load on show-dialog off").status);
  nlohmann::json settings = List()["settings"];
  EXPECT_EQ("0.9", settings["widthFactor"]);
  EXPECT_TRUE(settings["autoLoad"]);
  EXPECT_FALSE(settings["showDialog"]);
  ASSERT_EQ(0, Shell("fontmap options same-font '*Active Font*'").status);
  settings = List()["settings"];
  EXPECT_EQ("*Active Font*", settings["sameFont"]);
  EXPECT_FALSE(settings["autoLoad"]);  // the same font for all turns automatic loading off

  ASSERT_EQ(0, Shell("fontmap options same-font off").status);
  ASSERT_EQ(0, Shell("fontmap save " + dir.File("map.afm")).status);
  ASSERT_EQ(0, Shell("fontmap remove Arial Bold --yes").status);
  EXPECT_TRUE(List()["map"].empty());
  ASSERT_EQ(0, Shell("fontmap load " + dir.File("map.afm")).status);
  EXPECT_EQ(1u, List()["map"].size());
}

TEST_F(FontMapShellTest, ThePlacingDialogMapsTheFacesGiven) {
  std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/Formatting.xlsx", dir.File("a.xlsx"));
  ASSERT_EQ(0, Shell("options set UseFontOpt 0").status);
  const std::string dgn = dir.File("plan.dgn");
  ShellResult r = Shell("--design " + dgn + " --font-map 'Calibri|Regular=(SHX) romans' create --workbook " +
                        dir.File("a.xlsx") + " --range A1:B2 --at 0,0");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("[dialog] Font Map: pressed \"Update\"")) << r.out;
  EXPECT_EQ("(SHX) romans", List()["map"][0]["font"]);  // remembered for the next table

  r = Shell("--design " + dgn + " --font-map 'Calibri=romans' create --workbook " + dir.File("a.xlsx") +
            " --range A1:B2 --at 0,100");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("--font-map needs FACE|STYLE=FONT")) << r.out;
}

}  // namespace
