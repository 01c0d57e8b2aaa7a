#include "settings/ReadOptions.h"

#include <cmath>
#include <string>

#include "host/msoutput.h"
#include "host/msview.h"
#include "settings/LevelResolution.h"
#include "settings/OptionNames.h"
#include "settings/OptionRotation.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"
#include "support/DecimalText.h"

namespace {

std::string OptionsSection(EFuncState mode) {
  if (mode == kFuncEdit)
    return GetProfileInt(kProductSection, kValueUseGlobalOption, 0) != 0 ? kProductSection : kCurrentOptionsSection;
  // The template's values are in their own key only while the add-in loads one.
  if (GetProfileInt(kProductSection, kValueAutoLoadOptTemplate, 0) != 0 &&
      !GetProfileString(kProductSection, kValueOptFile).empty())
    return kAutoOptionsSection;
  return kProductSection;
}

// A number that draws a table only within [least, most]: one that is not a number,
// is infinite or lies outside gives way to the default, and the user is told which.
double ReadBoundedNumber(const std::string& section, const char* name, const char* defaultText, double least,
                         double most) {
  const std::string text = GetProfileString(section, name, defaultText);
  const double value = DecimalPrefixToDouble(text);
  if (std::isfinite(value) && value >= least && value <= most) return value;
  mdlOutput_printf(MSG_MESSAGE, kOptionCannotDraw, name, text.c_str(), defaultText);
  return DecimalPrefixToDouble(defaultText);
}

// The rotation of the view, in radians; 0 when it cannot be read.
double ViewAngle(int view) {
  RotMatrix viewRotation;
  if (mdlView_getParameters(nullptr, nullptr, nullptr, &viewRotation, nullptr, view) != SUCCESS) return 0.0;
  return mdlRMatrix_toAngle(&viewRotation);
}

void ReadLevelOption(const std::string& section, const char* name, LevelOption* option) {
  ResolveLevelOption(GetProfileString(section, name), option);
}

}  // namespace

void ReadOptions(EFuncState mode, int view) {
  if (!currentOptionSet || mode == kFuncUpdate) return;
  QuorvelleSetup& s = *currentOptionSet;
  const std::string key = OptionsSection(mode);

  s.LineClrOpt = GetProfileInt(key, kValueLineClrOpt, 1);
  s.TextClrOpt = GetProfileInt(key, kValueTextClrOpt, 1);
  s.UseFontOpt = GetProfileInt(key, kValueUseFontOpt, 1);
  s.ImportObj = GetProfileInt(key, kValueImportObj, 255);
  s.CellScaleIndex = GetProfileInt(key, kValueCellScaleIndex, 1);
  s.CellScaleOpt = GetProfileInt(key, kValueCellScaleOpt, 1);
  s.FontScaleIndex = GetProfileInt(key, kValueFontScaleIndex, 1);
  s.FontScaleOpt = GetProfileInt(key, kValueFontScaleOpt, 0);
  s.OnlyPrintArea = GetProfileInt(key, kValueOnlyPrintArea, 0);

  // Values the user may never have set keep what the option set holds.
  s.BorderOnOneLevel = GetProfileInt(key, kValueBorderOnOneLevel, s.BorderOnOneLevel);
  s.TextOnOneLevel = GetProfileInt(key, kValueTextOnOneLevel, s.TextOnOneLevel);
  s.ThinColorIndex = GetProfileInt(key, kValueThinColorIndex, s.ThinColorIndex);
  s.MediumColorIndex = GetProfileInt(key, kValueMediumColorIndex, s.MediumColorIndex);
  s.ThickColorIndex = GetProfileInt(key, kValueThickColorIndex, s.ThickColorIndex);
  s.RegularColorIndex = GetProfileInt(key, kValueRegularColorIndex, s.RegularColorIndex);
  s.BoldColorIndex = GetProfileInt(key, kValueBoldColorIndex, s.BoldColorIndex);
  s.BorderThinWeight = GetProfileInt(key, kValueBorderThinWeight, s.BorderThinWeight);
  s.BorderMediumWeight = GetProfileInt(key, kValueBorderMediumWeight, s.BorderMediumWeight);
  s.BorderThickWeight = GetProfileInt(key, kValueBorderThickWeight, s.BorderThickWeight);
  s.DefaultTextWeight = GetProfileInt(key, kValueDefaultTextWeight, s.DefaultTextWeight);
  s.BoldLineWeight = GetProfileInt(key, kValueBoldLineWeight, s.BoldLineWeight);

  s.CellDrawingUnits = ReadBoundedNumber(key, kValueCellDrawingUnits, kDefaultScaleText, kLeastScale, kMostScale);
  s.CellExcelPoints = ReadBoundedNumber(key, kValueCellExcelPoints, kDefaultScaleText, kLeastScale, kMostScale);
  s.FontDrawingUnits = ReadBoundedNumber(key, kValueFontDrawingUnits, kDefaultScaleText, kLeastScale, kMostScale);
  s.FontExcelPoints = ReadBoundedNumber(key, kValueFontExcelPoints, kDefaultScaleText, kLeastScale, kMostScale);
  // The text proportions are the user's, whatever table is drawn.
  s.TextWFactor =
      ReadBoundedNumber(kProductSection, kValueTextWFactor, kDefaultTextWFactorText, kLeastScale, kMostTextWFactor);
  s.LeftMargin = ReadBoundedNumber(kProductSection, kValueLeftMargin, kDefaultMarginText, 0, kMostMargin);
  s.TopMargin = ReadBoundedNumber(kProductSection, kValueTopMargin, kDefaultMarginText, 0, kMostMargin);

  // The user gives the angle as seen in the view the table goes into; the view's own
  // rotation is taken off so that the table shows there at that angle.
  const double degrees =
      ReadBoundedNumber(key, kValueRotationDegree, kDefaultRotationText, -kMostRotationDegrees, kMostRotationDegrees);
  s.rotation = RotationFromDegrees(degrees, ViewAngle(view));

  s.FontSizes = GetProfileString(key, kValueFontSizes);
  s.ColumnWidths = GetProfileString(key, kValueColumnWidths);
  s.RowHeights = GetProfileString(key, kValueRowHeights);

  ReadLevelOption(key, kValueBorderLayer, &s.BorderLayer);
  ReadLevelOption(key, kValueMediumBorderLevel, &s.MediumBorderLevel);
  ReadLevelOption(key, kValueThickBorderLevel, &s.ThickBorderLevel);
  ReadLevelOption(key, kValueTextLayer, &s.TextLayer);
  ReadLevelOption(key, kValueBoldTextLevel, &s.BoldTextLevel);
  ReadLevelOption(key, kValueItalicTextLevel, &s.ItalicTextLevel);
  ReadLevelOption(key, kValueAutoShapeLayer, &s.AutoShapeLayer);
  ReadLevelOption(key, kValuePatternLevel, &s.PatternLevel);
}
