// Writing the options of the edited or updated table for the add-in.
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "settings/OptionNames.h"
#include "settings/OptionRotation.h"
#include "settings/ReadOptions.h"
#include "settings/SaveCurrentOptions.h"
#include "sim/SimFailures.h"
#include "support/TextConvert.h"
#include "tests/excel/RegistryValues.h"
#include "tests/settings/OptionsTestSupport.h"
#include "tests/settings/SetupSnapshot.h"

namespace {

std::vector<std::string> CurrentOptionNames() {
  return test_registry::ValueNames(HKEY_CURRENT_USER, ProfileKeyPath(kCurrentOptionsSection));
}

// Every value of an edited table, in the order the add-in reads them.
std::vector<std::string> EditedValueNames(bool withRangeName) {
  std::vector<std::string> names = {"ImportObj", "OnlyPrintArea"};
  if (withRangeName) names.push_back("UseRangeName");
  for (const char* name :
       {"BorderLayer",       "MediumBorderLevel", "ThickBorderLevel",   "TextLayer",         "BoldTextLevel",
        "ItalicTextLevel",   "AutoShapeLayer",    "PatternLevel",       "CellExcelPoints",   "CellDrawingUnits",
        "CellScaleIndex",    "CellScaleOpt",      "FontExcelPoints",    "FontDrawingUnits",  "FontScaleIndex",
        "FontScaleOpt",      "LineClrOpt",        "TextClrOpt",         "ThinColorIndex",    "MediumColorIndex",
        "ThickColorIndex",   "RegularColorIndex", "BoldColorIndex",     "UseFontOpt",        "BorderOnOneLevel",
        "TextOnOneLevel",    "BorderThinWeight",  "BorderMediumWeight", "BorderThickWeight", "DefaultTextWeight",
        "BoldLineWeight",    "RotationDegree",    "FontSizes",          "RowHeights",        "ColumnWidths",
        "SplitRowsToColumns"})
    names.push_back(name);
  return names;
}

using SaveCurrentOptionsTest = OptionsTest;

TEST_F(SaveCurrentOptionsTest, TheModeDecidesWhatIsWritten) {
  struct Case {
    const char* what;
    EFuncState mode;
    bool optionSet;
    std::optional<std::string> link;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"create", kFuncCreate, true, "$A$1:$B$2", {}},
      {"update", kFuncUpdate, true, "$A$1:$B$2", {"ImportObj", "OnlyPrintArea"}},
      {"edit without a link", kFuncEdit, true, std::nullopt, EditedValueNames(false)},
      {"edit with a link", kFuncEdit, true, "$A$1:$B$2", EditedValueNames(true)},
      {"edit without an option set", kFuncEdit, false, "$A$1:$B$2", {}},
  };
  for (const Case& c : cases) {
    sim::UseInMemoryRegistry();
    mode = c.mode;
    currentOptionSet = c.optionSet ? &setup : nullptr;
    EXPECT_TRUE(SaveCurrentOptions(mode, c.link)) << c.what;
    EXPECT_EQ(c.names, CurrentOptionNames()) << c.what;
  }
}

TEST_F(SaveCurrentOptionsTest, AnUpdateLeavesTheOtherValuesOfTheKeyAlone) {
  PutText(kCurrentOptionsSection, kValueBorderLayer, "Walls");
  PutNumber(kCurrentOptionsSection, kValueLineClrOpt, 2);
  mode = kFuncUpdate;
  setup.ImportObj = 9;
  setup.OnlyPrintArea = 1;
  setup.BorderLayer.name = "Other";
  ASSERT_TRUE(SaveCurrentOptions(mode, std::nullopt));
  EXPECT_EQ("D 9", Stored(kCurrentOptionsSection, kValueImportObj));
  EXPECT_EQ("D 1", Stored(kCurrentOptionsSection, kValueOnlyPrintArea));
  EXPECT_EQ("S Walls", Stored(kCurrentOptionsSection, kValueBorderLayer));
  EXPECT_EQ("D 2", Stored(kCurrentOptionsSection, kValueLineClrOpt));
}

TEST_F(SaveCurrentOptionsTest, AnEditWritesEachValueInItsKind) {
  mode = kFuncEdit;
  sim::SetViewRotation(0, 45 * fc_pi / 180.0);  // the view does not enter what is written
  setup.CellExcelPoints = 0.3;
  setup.CellDrawingUnits = 1e-7;
  setup.FontExcelPoints = 12;
  setup.FontDrawingUnits = 2.54;
  setup.rotation = RotationFromDegrees(30);
  setup.BorderLayer.name = "Walls";
  setup.DefaultTextWeight = -1;
  setup.SplitRowsToColumns = 1;
  setup.FontSizes = "8;10";
  ASSERT_TRUE(SaveCurrentOptions(mode, "$A$1:$B$2"));

  const std::pair<const char*, const char*> stored[] = {
      {kValueCellExcelPoints, "S 0.3"},  {kValueCellDrawingUnits, "S 1e-07"},
      {kValueFontExcelPoints, "S 12"},   {kValueFontDrawingUnits, "S 2.54"},
      {kValueRotationDegree, "S 30"},    {kValueBorderLayer, "S Walls"},
      {kValueTextLayer, "S "},           {kValueImportObj, "D 255"},
      {kValueDefaultTextWeight, "D -1"}, {kValueSplitRowsToColumns, "D 1"},
      {kValueFontSizes, "S 8;10"},       {kValueRowHeights, "S "},
      {kValueCellScaleIndex, "D 1"},     {kValueUseRangeName, "D 0"},
  };
  for (auto [name, value] : stored) EXPECT_EQ(value, Stored(kCurrentOptionsSection, name)) << name;
  // Numbers the add-in takes from the product key are not the table's.
  for (const char* name : {kValueTextWFactor, kValueLeftMargin, kValueTopMargin})
    EXPECT_EQ("missing", Stored(kCurrentOptionsSection, name)) << name;
}

TEST_F(SaveCurrentOptionsTest, ARangeNameIsOneWithoutDollarSigns) {
  mode = kFuncEdit;
  const std::pair<const char*, const char*> ranges[] = {
      {"$A$1:$B$2", "D 0"}, {"Totals", "D 1"}, {"", "D 0"}, {"A1:B2", "D 1"}, {"Sheet1!$A$1", "D 0"}};
  for (auto [range, stored] : ranges) {
    ASSERT_TRUE(SaveCurrentOptions(mode, std::string(range)));
    EXPECT_EQ(stored, Stored(kCurrentOptionsSection, kValueUseRangeName)) << range;
  }
}

TEST_F(SaveCurrentOptionsTest, WhatAnEditWritesReadsBackAsTheSameOptions) {
  mode = kFuncEdit;
  QuorvelleSetup& saved = setup;
  saved.CellExcelPoints = 0.3;
  saved.CellDrawingUnits = 2.5;
  saved.CellScaleIndex = 4;
  saved.CellScaleOpt = 2;
  saved.FontExcelPoints = 72;
  saved.FontDrawingUnits = 0.125;
  saved.FontScaleIndex = 5;
  saved.FontScaleOpt = 1;
  saved.LineClrOpt = 2;
  saved.TextClrOpt = 3;
  saved.ThinColorIndex = 1, saved.MediumColorIndex = 2, saved.ThickColorIndex = 3;
  saved.RegularColorIndex = 4, saved.BoldColorIndex = 5;
  saved.UseFontOpt = 0;
  saved.OnlyPrintArea = 1;
  saved.BorderOnOneLevel = 0;
  saved.TextOnOneLevel = 0;
  saved.BorderThinWeight = 1, saved.BorderMediumWeight = 3, saved.BorderThickWeight = 6;
  saved.DefaultTextWeight = 2, saved.BoldLineWeight = 4;
  saved.ImportObj = 19;
  saved.rotation = RotationFromDegrees(-30);
  saved.FontSizes = "8;10";
  saved.ColumnWidths = "A:12";
  saved.RowHeights = "1:20";
  saved.SplitRowsToColumns = 1;
  LevelOption QuorvelleSetup::*const levels[] = {&QuorvelleSetup::BorderLayer,      &QuorvelleSetup::MediumBorderLevel,
                                                 &QuorvelleSetup::ThickBorderLevel, &QuorvelleSetup::TextLayer,
                                                 &QuorvelleSetup::BoldTextLevel,    &QuorvelleSetup::ItalicTextLevel,
                                                 &QuorvelleSetup::AutoShapeLayer,   &QuorvelleSetup::PatternLevel};
  for (size_t i = 0; i < std::size(levels); ++i) {
    std::string name = "Level " + std::to_string(i);
    saved.*levels[i] = {name, sim::AddLevel(NarrowToWide(name))};
  }
  ASSERT_TRUE(SaveCurrentOptions(mode, "$A$1"));

  QuorvelleSetup read;
  currentOptionSet = &read;
  ReadOptions(mode, 0);
  // The one value read elsewhere, when the table is output.
  EXPECT_EQ(0, read.SplitRowsToColumns);
  read.SplitRowsToColumns = saved.SplitRowsToColumns;
  // Rotations compare by angle: the matrices may differ in the last bit.
  EXPECT_NEAR(-30.0, RotationToDegrees(read.rotation), 1e-9);
  read.rotation = saved.rotation;
  EXPECT_EQ(SetupSnapshot(saved), SetupSnapshot(read));
}

TEST_F(SaveCurrentOptionsTest, AValueThatCannotBeWrittenIsReported) {
  mode = kFuncUpdate;
  sim::FailOperation("RegSetValueExA");
  EXPECT_FALSE(SaveCurrentOptions(mode, std::nullopt));
  // The next value is still written.
  EXPECT_EQ("D 0", Stored(kCurrentOptionsSection, kValueOnlyPrintArea));
}

}  // namespace
