// Reading the option set from the registry: which key, the defaults, the numbers kept
// as text, the rotation against the working view, and the level options.
#include <cmath>
#include <optional>
#include <vector>

#include "host/msmodel.h"
#include "settings/OptionNames.h"
#include "settings/OptionRotation.h"
#include "settings/ReadOptions.h"
#include "sim/SimOutput.h"
#include "support/TextConvert.h"
#include "tests/settings/OptionsTestSupport.h"
#include "tests/settings/SetupSnapshot.h"

namespace {

constexpr int kProductMarker = 11, kCurrentMarker = 22, kTemplateMarker = 33;

double AngleDegrees(const RotMatrix& r) { return mdlRMatrix_toAngle(&r) * 180.0 / fc_pi; }

LevelID LevelNamed(const std::u16string& name) {
  LevelID id = 0;
  return mdlLevel_getIdFromName(&id, mdlModelRef_getActive(), 0, name.c_str()) == SUCCESS ? id : 0;
}

using ReadOptionsTest = OptionsTest;

TEST_F(ReadOptionsTest, TheModeAndTheTemplateChooseTheKey) {
  struct Case {
    const char* what;
    EFuncState mode;
    std::optional<int> useGlobal, autoLoad;
    std::optional<std::string> optFile;
    int expected;  // the marker of the key read, or what the set held when nothing is read
  };
  const Case cases[] = {
      {"create", kFuncCreate, {}, {}, {}, kProductMarker},
      {"create with a template", kFuncCreate, {}, 1, "C:\\Opt\\a.opt", kTemplateMarker},
      {"create, template on, empty path", kFuncCreate, {}, 1, "", kProductMarker},
      {"create, template on, no path", kFuncCreate, {}, 1, {}, kProductMarker},
      {"create, template off", kFuncCreate, {}, 0, "C:\\Opt\\a.opt", kProductMarker},
      {"create ignores UseGlobalOption", kFuncCreate, 0, {}, {}, kProductMarker},
      {"edit", kFuncEdit, {}, {}, {}, kCurrentMarker},
      {"edit, UseGlobalOption 0", kFuncEdit, 0, {}, {}, kCurrentMarker},
      {"edit, UseGlobalOption 1", kFuncEdit, 1, {}, {}, kProductMarker},
      {"edit ignores the template", kFuncEdit, {}, 1, "C:\\Opt\\a.opt", kCurrentMarker},
      {"update", kFuncUpdate, 1, 1, "C:\\Opt\\a.opt", 99},
  };
  for (const Case& c : cases) {
    sim::UseInMemoryRegistry();
    PutNumber(kProductSection, kValueLineClrOpt, kProductMarker);
    PutNumber(kCurrentOptionsSection, kValueLineClrOpt, kCurrentMarker);
    PutNumber(kAutoOptionsSection, kValueLineClrOpt, kTemplateMarker);
    if (c.useGlobal) PutNumber(kProductSection, kValueUseGlobalOption, *c.useGlobal);
    if (c.autoLoad) PutNumber(kProductSection, kValueAutoLoadOptTemplate, *c.autoLoad);
    if (c.optFile) PutText(kProductSection, "QuorvelleOptFile", *c.optFile);
    mode = c.mode;
    setup.LineClrOpt = 99;

    ReadOptions(mode, 0);
    EXPECT_EQ(c.expected, setup.LineClrOpt) << c.what;
  }
}

TEST_F(ReadOptionsTest, NothingIsReadOrCreatedInUpdateModeOrWithoutAnOptionSet) {
  PutText(kProductSection, kValueBorderLayer, "New Level");
  PutText(kCurrentOptionsSection, kValueBorderLayer, "New Level");
  PutNumber(kProductSection, kValueImportObj, 3);
  FillWithNonDefaults(setup);
  const std::string before = SetupSnapshot(setup);

  mode = kFuncUpdate;
  ReadOptions(mode, 0);
  EXPECT_EQ(before, SetupSnapshot(setup));

  for (EFuncState m : {kFuncCreate, kFuncEdit}) {
    currentOptionSet = nullptr;
    ReadOptions(m, 0);
    EXPECT_EQ(before, SetupSnapshot(setup)) << m;
  }
  EXPECT_EQ(0u, LevelNamed(u"New Level"));
}

TEST_F(ReadOptionsTest, MissingValuesGiveFixedDefaultsOrKeepWhatTheSetHolds) {
  FillWithNonDefaults(setup);
  ReadOptions(mode, 0);

  struct Expectation {
    const char* field;
    double actual, expected;
  };
  const Expectation fields[] = {
      // Fixed defaults.
      {"LineClrOpt", double(setup.LineClrOpt), 1},
      {"TextClrOpt", double(setup.TextClrOpt), 1},
      {"UseFontOpt", double(setup.UseFontOpt), 1},
      {"ImportObj", double(setup.ImportObj), 255},
      {"CellScaleIndex", double(setup.CellScaleIndex), 1},
      {"CellScaleOpt", double(setup.CellScaleOpt), 1},
      {"FontScaleIndex", double(setup.FontScaleIndex), 1},
      {"FontScaleOpt", double(setup.FontScaleOpt), 0},
      {"OnlyPrintArea", double(setup.OnlyPrintArea), 0},
      {"CellExcelPoints", setup.CellExcelPoints, 1.0},
      {"CellDrawingUnits", setup.CellDrawingUnits, 1.0},
      {"FontExcelPoints", setup.FontExcelPoints, 1.0},
      {"FontDrawingUnits", setup.FontDrawingUnits, 1.0},
      {"TextWFactor", setup.TextWFactor, 0.9},
      {"LeftMargin", setup.LeftMargin, 3.0},
      {"TopMargin", setup.TopMargin, 3.0},
      {"rotation", AngleDegrees(setup.rotation), 0.0},
      {"rotation xy", setup.rotation.form3d[0][1], 0.0},
      // What the set held.
      {"BorderOnOneLevel", double(setup.BorderOnOneLevel), 0},
      {"TextOnOneLevel", double(setup.TextOnOneLevel), 0},
      {"ThinColorIndex", double(setup.ThinColorIndex), 26},
      {"MediumColorIndex", double(setup.MediumColorIndex), 27},
      {"ThickColorIndex", double(setup.ThickColorIndex), 28},
      {"RegularColorIndex", double(setup.RegularColorIndex), 29},
      {"BoldColorIndex", double(setup.BoldColorIndex), 30},
      {"BorderThinWeight", double(setup.BorderThinWeight), 17},
      {"BorderMediumWeight", double(setup.BorderMediumWeight), 18},
      {"BorderThickWeight", double(setup.BorderThickWeight), 19},
      {"DefaultTextWeight", double(setup.DefaultTextWeight), 20},
      {"BoldLineWeight", double(setup.BoldLineWeight), 21},
      // Not options of the registry.
      {"SplitRowsToColumns", double(setup.SplitRowsToColumns), 1},
      {"tableScale", setup.tableScale.y, 3},
  };
  for (const Expectation& e : fields) EXPECT_DOUBLE_EQ(e.expected, e.actual) << e.field;
  EXPECT_EQ("", setup.FontSizes + setup.ColumnWidths + setup.RowHeights);
  // A level option that was never set is the active level.
  EXPECT_EQ("Default", setup.PatternLevel.name);
  EXPECT_EQ(LEVEL_DEFAULT_LEVEL_ID, setup.PatternLevel.id);
}

TEST_F(ReadOptionsTest, StoredValuesAreReadAndValuesOfTheWrongKindGiveTheDefault) {
  mode = kFuncEdit;
  setup.BorderThinWeight = 17;
  PutNumber(kCurrentOptionsSection, kValueImportObj, 5);
  PutNumber(kCurrentOptionsSection, kValueDefaultTextWeight, -1);
  PutNumber(kCurrentOptionsSection, kValueBoldColorIndex, 200);
  PutText(kCurrentOptionsSection, kValueLineClrOpt, "2");        // a number kept as text
  PutText(kCurrentOptionsSection, kValueBorderThinWeight, "3");  // is of the wrong kind
  PutNumber(kCurrentOptionsSection, kValueCellExcelPoints, 4);   // and so is text kept as a number
  PutText(kCurrentOptionsSection, kValueFontSizes, "8;9;10");
  PutText(kCurrentOptionsSection, kValueColumnWidths, "A:12");
  PutText(kCurrentOptionsSection, kValueRowHeights, "1:20");

  ReadOptions(mode, 0);
  EXPECT_EQ(5, setup.ImportObj);
  EXPECT_EQ(-1, setup.DefaultTextWeight);
  EXPECT_EQ(200, setup.BoldColorIndex);
  EXPECT_EQ(1, setup.LineClrOpt);
  EXPECT_EQ(17, setup.BorderThinWeight);
  EXPECT_EQ(1.0, setup.CellExcelPoints);
  EXPECT_EQ("8;9;10", setup.FontSizes);
  EXPECT_EQ("A:12", setup.ColumnWidths);
  EXPECT_EQ("1:20", setup.RowHeights);
}

TEST_F(ReadOptionsTest, NumbersKeptAsTextTakeTheirLeadingDecimalNumber) {
  const std::pair<const char*, double> texts[] = {
      {"abc", 0.0}, {"12.5mm", 12.5}, {"  7", 7},       {"-2.5e1x", -25}, {"+3", 3},     {".5", 0.5},
      {"5.", 5},    {"1e", 1},        {"1e+", 1},       {"2E2", 200},     {"1,5", 1},    {"", 0},
      {"-", 0},     {".", 0},         {"e5", 0},        {"1e999", 0},     {"-1e999", 0}, {"nan", 0},
      {"inf", 0},   {"0x10", 0},      {"\t0.25", 0.25}, {"00012", 12},
  };
  // Read as an angle, which may be nought or negative (and is the same a turn on).
  for (auto [text, value] : texts) {
    PutText(kProductSection, kValueRotationDegree, text);
    ReadOptions(mode, 0);
    EXPECT_NEAR(0, std::remainder(value - RotationToDegrees(setup.rotation), 360), 1e-9) << '"' << text << '"';
  }
}

TEST_F(ReadOptionsTest, NumbersThatCannotDrawATableGiveWayToTheirDefaultsAndAreNamed) {
  struct Case {
    const char* name;
    const char* text;
    double QuorvelleSetup::*field;  // null: the rotation
    double expected;
  } cases[] = {
      {kValueTextWFactor, "0", &QuorvelleSetup::TextWFactor, 0.9},
      {kValueTextWFactor, "-5", &QuorvelleSetup::TextWFactor, 0.9},
      {kValueTextWFactor, "nan", &QuorvelleSetup::TextWFactor, 0.9},
      {kValueTextWFactor, "1e308", &QuorvelleSetup::TextWFactor, 0.9},
      {kValueLeftMargin, "1e308", &QuorvelleSetup::LeftMargin, 3},
      {kValueTopMargin, "-1", &QuorvelleSetup::TopMargin, 3},
      {kValueCellDrawingUnits, "1e308", &QuorvelleSetup::CellDrawingUnits, 1},
      {kValueCellExcelPoints, "abc", &QuorvelleSetup::CellExcelPoints, 1},
      {kValueFontDrawingUnits, "-2", &QuorvelleSetup::FontDrawingUnits, 1},
      {kValueFontExcelPoints, "0", &QuorvelleSetup::FontExcelPoints, 1},
      {kValueRotationDegree, "1e308", nullptr, 0},
  };
  for (const Case& c : cases) {
    sim::UseInMemoryRegistry();
    sim::ClearOutputLog();
    PutText(kProductSection, c.name, c.text);
    ReadOptions(mode, 0);
    const double read = c.field ? setup.*c.field : RotationToDegrees(setup.rotation);
    EXPECT_NEAR(c.expected, read, 1e-9) << c.name << " " << c.text;
    const std::string said = std::string("The option ") + c.name + " (" + c.text + ") cannot draw a table; ";
    const auto texts = sim::OutputTexts(sim::OutputKind::Printf);
    ASSERT_EQ(1u, texts.size()) << c.name << " " << c.text;
    EXPECT_EQ(0u, texts[0].find(said)) << texts[0];
  }
  // The edges of what draws are kept, without a word.
  sim::UseInMemoryRegistry();
  sim::ClearOutputLog();
  PutText(kProductSection, kValueLeftMargin, "0");
  PutText(kProductSection, kValueTextWFactor, "100");
  ReadOptions(mode, 0);
  EXPECT_EQ(0.0, setup.LeftMargin);
  EXPECT_EQ(100.0, setup.TextWFactor);
  EXPECT_TRUE(sim::OutputTexts(sim::OutputKind::Printf).empty());
}

TEST_F(ReadOptionsTest, EveryNumberKeptAsTextIsConverted) {
  const std::pair<const char*, double QuorvelleSetup::*> numbers[] = {
      {kValueCellExcelPoints, &QuorvelleSetup::CellExcelPoints},
      {kValueCellDrawingUnits, &QuorvelleSetup::CellDrawingUnits},
      {kValueFontExcelPoints, &QuorvelleSetup::FontExcelPoints},
      {kValueFontDrawingUnits, &QuorvelleSetup::FontDrawingUnits},
      {kValueTextWFactor, &QuorvelleSetup::TextWFactor},
      {kValueLeftMargin, &QuorvelleSetup::LeftMargin},
      {kValueTopMargin, &QuorvelleSetup::TopMargin},
  };
  for (auto [name, field] : numbers) PutText(kProductSection, name, "12.5mm");
  ReadOptions(mode, 0);
  for (auto [name, field] : numbers) EXPECT_DOUBLE_EQ(12.5, setup.*field) << name;
}

TEST_F(ReadOptionsTest, TextProportionsComeFromTheProductKeyWhateverKeyIsChosen) {
  mode = kFuncEdit;
  for (const char* name : {kValueTextWFactor, kValueLeftMargin, kValueTopMargin, kValueCellExcelPoints}) {
    PutText(kProductSection, name, "2");
    PutText(kCurrentOptionsSection, name, "4");
  }
  ReadOptions(mode, 0);
  EXPECT_EQ(2.0, setup.TextWFactor);
  EXPECT_EQ(2.0, setup.LeftMargin);
  EXPECT_EQ(2.0, setup.TopMargin);
  EXPECT_EQ(4.0, setup.CellExcelPoints);
}

TEST_F(ReadOptionsTest, TheRotationIsTheAngleLessTheViewsRotation) {
  struct Case {
    const char* what;
    std::optional<std::string> degrees;
    int view;
    std::vector<std::pair<int, double>> viewDegrees;
    double expected;
  };
  const Case cases[] = {
      {"view rotated as much as the table", "30", 0, {{0, 30}}, 0},
      {"no angle, no view rotation", {}, 0, {}, 0},
      {"no view rotation", "45", 0, {}, 45},
      {"text that is no number", "abc", 0, {{0, 10}}, -10},
      {"the given view, not another one", "30", 3, {{3, 50}, {0, 5}}, -20},
      {"a view that cannot be read counts as unrotated", "30", 9, {{0, 5}}, 30},
  };
  for (const Case& c : cases) {
    sim::ResetHost();
    sim::UseInMemoryRegistry();
    if (c.degrees) PutText(kProductSection, kValueRotationDegree, *c.degrees);
    for (auto [view, degrees] : c.viewDegrees) sim::SetViewRotation(view, degrees * fc_pi / 180.0);
    ReadOptions(mode, c.view);
    RotMatrix expected;
    mdlRMatrix_fromAngle(&expected, c.expected * fc_pi / 180.0);
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 3; ++column)
        EXPECT_NEAR(expected.form3d[row][column], setup.rotation.form3d[row][column], 1e-12)
            << c.what << " [" << row << "][" << column << "]";
  }
}

TEST_F(ReadOptionsTest, EachLevelValueResolvesItsOwnOption) {
  mode = kFuncEdit;
  const std::pair<const char*, LevelOption QuorvelleSetup::*> levels[] = {
      {kValueBorderLayer, &QuorvelleSetup::BorderLayer},
      {kValueMediumBorderLevel, &QuorvelleSetup::MediumBorderLevel},
      {kValueThickBorderLevel, &QuorvelleSetup::ThickBorderLevel},
      {kValueTextLayer, &QuorvelleSetup::TextLayer},
      {kValueBoldTextLevel, &QuorvelleSetup::BoldTextLevel},
      {kValueItalicTextLevel, &QuorvelleSetup::ItalicTextLevel},
      {kValueAutoShapeLayer, &QuorvelleSetup::AutoShapeLayer},
      {kValuePatternLevel, &QuorvelleSetup::PatternLevel},
  };
  for (auto [name, field] : levels) PutText(kCurrentOptionsSection, name, std::string("L-") + name);
  ReadOptions(mode, 0);
  for (auto [name, field] : levels) {
    EXPECT_EQ(std::string("L-") + name, (setup.*field).name) << name;
    EXPECT_EQ(LevelNamed(NarrowToWide(std::string("L-") + name)), (setup.*field).id) << name;
    EXPECT_NE(0u, (setup.*field).id) << name;
  }
}

}  // namespace
