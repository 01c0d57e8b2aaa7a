// Options files: the versions of the form, the drawing flags, the archive's string
// forms, and files that are not sound options files.
#include <array>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "settings/OptionRotation.h"
#include "settings/OptionsFile.h"
#include "sim/SimOutput.h"
#include "tests/settings/OptionsFileBuilder.h"
#include "tests/settings/OptionsTestSupport.h"
#include "tests/settings/SetupSnapshot.h"

namespace {

class OptionsFileTest : public OptionsTest {
 protected:
  // The bytes as a file in the scratch folder; its Windows path.
  std::string WriteFile(const std::vector<std::uint8_t>& bytes, const std::string& name = "options.opt") {
    std::ofstream out(dir.File(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return sim::ToWindowsPath(dir.File(name));
  }
  static std::vector<std::string> Messages() { return sim::OutputTexts(sim::OutputKind::Message); }
};

TEST_F(OptionsFileTest, EachVersionLoadsTheItemsItHolds) {
  struct Case {
    int version;
    const char* autoShapeLayer;
    bool rotation, levelBlock, tables;
  };
  const Case cases[] = {
      {0, "Held Shapes", false, false, false},   {1, "Held Shapes", true, false, false},
      {2, "File Shapes v2", true, false, false}, {3, "File Shapes", true, true, false},
      {4, "File Shapes", true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("version " + std::to_string(c.version));
    QuorvelleSetup held;
    FillWithNonDefaults(held);
    setup = held;
    OptionsFileContent content;
    content.version = c.version;
    ASSERT_EQ(1, LoadOptionsFile(setup, WriteFile(BuildOptionsFile(content))));
    EXPECT_TRUE(Messages().empty());

    // In every version.
    EXPECT_EQ(c.version, setup.optionsVersion);
    EXPECT_EQ("File Border", setup.BorderLayer.name);
    EXPECT_EQ(held.BorderLayer.id, setup.BorderLayer.id);  // names are not resolved here
    EXPECT_EQ("File Text", setup.TextLayer.name);
    EXPECT_EQ(2, setup.LineClrOpt);
    EXPECT_EQ(3, setup.TextClrOpt);
    EXPECT_EQ(31, setup.ThinColorIndex);
    EXPECT_EQ(32, setup.ThickColorIndex);
    EXPECT_EQ(33, setup.RegularColorIndex);
    EXPECT_EQ(34, setup.BoldColorIndex);
    EXPECT_EQ(0, setup.CellScaleOpt);
    EXPECT_EQ(35, setup.CellScaleIndex);
    EXPECT_EQ(2.5, setup.CellDrawingUnits);
    EXPECT_EQ(7.5, setup.CellExcelPoints);
    EXPECT_EQ(1, setup.FontScaleOpt);
    EXPECT_EQ(36, setup.FontScaleIndex);
    EXPECT_EQ(0.125, setup.FontDrawingUnits);
    EXPECT_EQ(10.0, setup.FontExcelPoints);
    EXPECT_EQ(0, setup.UseFontOpt);
    EXPECT_EQ(128 | 1 | 4 | 16 | 64, setup.ImportObj);
    EXPECT_EQ(c.autoShapeLayer, setup.AutoShapeLayer.name);

    if (c.rotation)
      EXPECT_NEAR(45.0, RotationToDegrees(setup.rotation), 1e-12);
    else
      EXPECT_EQ(0.25, setup.rotation.form3d[0][1]);  // the matrix the set held

    const bool b = c.levelBlock;
    EXPECT_EQ(b ? "File Medium" : "Held Medium", setup.MediumBorderLevel.name);
    EXPECT_EQ(b ? "File Thick" : "Held Thick", setup.ThickBorderLevel.name);
    EXPECT_EQ(b ? 0 : held.BorderOnOneLevel, setup.BorderOnOneLevel);
    EXPECT_EQ(b ? 5 : held.BorderThinWeight, setup.BorderThinWeight);
    EXPECT_EQ(b ? 6 : held.BorderMediumWeight, setup.BorderMediumWeight);
    EXPECT_EQ(b ? 7 : held.BorderThickWeight, setup.BorderThickWeight);
    EXPECT_EQ(b ? 37 : held.MediumColorIndex, setup.MediumColorIndex);
    EXPECT_EQ(b ? "File Bold" : "Held Bold", setup.BoldTextLevel.name);
    EXPECT_EQ(b ? "File Italic" : "Held Italic", setup.ItalicTextLevel.name);
    EXPECT_EQ(b ? 0 : held.TextOnOneLevel, setup.TextOnOneLevel);
    EXPECT_EQ(b ? 8 : held.DefaultTextWeight, setup.DefaultTextWeight);
    EXPECT_EQ(b ? 9 : held.BoldLineWeight, setup.BoldLineWeight);
    EXPECT_EQ(b ? "File Pattern" : "Held Pattern", setup.PatternLevel.name);

    EXPECT_EQ(c.tables ? "8;10;12" : "held sizes", setup.FontSizes);
    EXPECT_EQ(c.tables ? "A:20" : "held widths", setup.ColumnWidths);
    EXPECT_EQ(c.tables ? "1:15" : "held heights", setup.RowHeights);

    // What no version holds.
    EXPECT_EQ(held.TextWFactor, setup.TextWFactor);
    EXPECT_EQ(held.LeftMargin, setup.LeftMargin);
    EXPECT_EQ(held.SplitRowsToColumns, setup.SplitRowsToColumns);
    EXPECT_EQ(held.OnlyPrintArea, setup.OnlyPrintArea);
    EXPECT_EQ(held.pictureTag, setup.pictureTag);
    EXPECT_EQ(1u, setup.fontMap.entries.size());
  }
}

TEST_F(OptionsFileTest, DrawingFlagsOnlyAddWhatToDraw) {
  struct Case {
    int before;
    std::array<int, 7> flags;
    int after;
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0, 0, 0, 0}, 0},
      {0, {1, 1, 1, 1, 1, 1, 1}, 127},
      {255, {0, 0, 0, 0, 0, 0, 0}, 255},
      {8, {0, -1, 0, 0, 0, 0, 7}, 8 | 2 | 64},  // any non-zero flag counts
      {256 | 1, {0, 0, 0, 0, 0, 1, 0}, 256 | 1 | 32},
  };
  for (const Case& c : cases) {
    setup.ImportObj = c.before;
    OptionsFileContent content;
    content.drawingFlags = c.flags;
    ASSERT_TRUE(LoadOptionsFromBytes(setup, BuildOptionsFile(content)));
    EXPECT_EQ(c.after, setup.ImportObj) << c.before;
  }
}

TEST_F(OptionsFileTest, StringsInEveryFormOfTheArchiveAreRead) {
  OptionsFileContent wide;
  wide.wideStrings = true;
  wide.borderLayer = "Ebene \xC3\x9C";  // "Ebene Ü"
  wide.fontSizes = std::string(300, '8');
  OptionsFileContent longTexts;
  longTexts.fontSizes = std::string(300, '9');     // a 16-bit length
  longTexts.rowHeights = std::string(70000, '1');  // a 32-bit length
  longTexts.columnWidths = std::string(254, 'A');  // the longest one-byte length
  for (const OptionsFileContent& content : {wide, longTexts}) {
    ASSERT_TRUE(LoadOptionsFromBytes(setup, BuildOptionsFile(content)));
    EXPECT_EQ(content.borderLayer, setup.BorderLayer.name);
    EXPECT_EQ(content.fontSizes, setup.FontSizes);
    EXPECT_EQ(content.columnWidths, setup.ColumnWidths);
    EXPECT_EQ(content.rowHeights, setup.RowHeights);
    EXPECT_EQ(content.patternLevel, setup.PatternLevel.name);
  }
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A v4 file whose first level name starts with `prefix`, a length that claims more
// than the few bytes that follow.
std::vector<std::uint8_t> WithLongString(const std::vector<std::uint8_t>& prefix) {
  CArchiveWriter out;
  out.WriteString("Quorvelle MS Options");
  out.WriteInt32(4);
  std::vector<std::uint8_t> bytes = out.bytes();
  bytes.insert(bytes.end(), prefix.begin(), prefix.end());
  bytes.insert(bytes.end(), 16, 'x');
  return bytes;
}

TEST_F(OptionsFileTest, FilesThatAreNoSoundOptionsFileChangeNothing) {
  auto variant = [](auto change) {
    OptionsFileContent content;
    change(content);
    return BuildOptionsFile(content);
  };
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const std::pair<const char*, std::vector<std::uint8_t>> files[] = {
      {"empty", {}},
      {"not an archive", Bytes("hello, world")},
      {"wrong signature", variant([](auto& c) { c.signature = "Quorvelle MS Font Map"; })},
      {"signature in other letter case", variant([](auto& c) { c.signature = "quorvelle ms options"; })},
      {"version 5", variant([](auto& c) { c.version = 5; })},
      {"negative version", variant([](auto& c) { c.version = -1; })},
      {"a string longer than the file (32-bit length)", WithLongString({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F})},
      {"a string longer than the file (16-bit length)", WithLongString({0xFF, 0x00, 0x10})},
      {"a wide string longer than the file",
       WithLongString({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"rotation not a number", variant([=](auto& c) { c.rotationDegrees = nan; })},
      {"infinite cell scale", variant([=](auto& c) { c.cellDrawingUnits = inf; })},
      {"infinite font scale", variant([=](auto& c) { c.fontExcelPoints = -inf; })},
  };
  FillWithNonDefaults(setup);
  const std::string before = SetupSnapshot(setup);
  for (const auto& [what, bytes] : files) {
    sim::ClearOutputLog();
    EXPECT_EQ(1, LoadOptionsFile(setup, WriteFile(bytes))) << what;
    EXPECT_EQ(std::vector<std::string>{"Invalid options file."}, Messages()) << what;
    EXPECT_EQ(before, SetupSnapshot(setup)) << what;
  }
}

TEST_F(OptionsFileTest, AFileCutShortAnywhereChangesNothing) {
  FillWithNonDefaults(setup);
  const std::string before = SetupSnapshot(setup);
  for (int version : {0, 2, 4}) {
    OptionsFileContent content;
    content.version = version;
    const std::vector<std::uint8_t> whole = BuildOptionsFile(content);
    for (size_t size = 0; size < whole.size(); ++size) {
      sim::ClearOutputLog();
      EXPECT_FALSE(LoadOptionsFromBytes(setup, {whole.begin(), whole.begin() + size})) << version << ":" << size;
      EXPECT_EQ(1u, Messages().size()) << version << ":" << size;
      ASSERT_EQ(before, SetupSnapshot(setup)) << version << ":" << size;
    }
  }
}

TEST_F(OptionsFileTest, AFileThatCannotBeOpenedIsReportedAsSuch) {
  FillWithNonDefaults(setup);
  const std::string before = SetupSnapshot(setup);
  const std::string path = sim::ToWindowsPath(dir.File("missing.opt"));
  EXPECT_EQ(0, LoadOptionsFile(setup, path));
  EXPECT_EQ(std::vector<std::string>{path + " was not found."}, sim::OutputTexts(sim::OutputKind::WindowsMessageBox));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(before, SetupSnapshot(setup));
}

}  // namespace
