#include "settings/SaveCurrentOptions.h"

#include <cstdio>

#include "settings/OptionNames.h"
#include "settings/OptionRotation.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"

namespace {

class CurrentOptionsWriter {
 public:
  void Number(const char* name, int value) { written_ &= WriteProfileInt(kCurrentOptionsSection, name, value); }
  void Text(const char* name, const std::string& value) {
    written_ &= WriteProfileString(kCurrentOptionsSection, name, value);
  }
  // Numbers the add-in keeps as text.
  void NumberText(const char* name, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    Text(name, text);
  }
  bool written() const { return written_; }

 private:
  bool written_ = true;
};

// A link holds its range by absolute address ("$A$1:$B$2") or by the range's name.
bool IsRangeName(const std::string& range) { return !range.empty() && range.find('$') == std::string::npos; }

}  // namespace

bool SaveCurrentOptions(EFuncState mode, const std::optional<std::string>& linkRange) {
  if (!currentOptionSet || (mode != kFuncEdit && mode != kFuncUpdate)) return true;
  const QuorvelleSetup& s = *currentOptionSet;
  CurrentOptionsWriter out;
  out.Number(kValueImportObj, s.ImportObj);
  out.Number(kValueOnlyPrintArea, s.OnlyPrintArea);
  if (mode != kFuncEdit) return out.written();

  // Always in this order: a key lists its values in the order they were first written.
  if (linkRange) out.Number(kValueUseRangeName, IsRangeName(*linkRange) ? 1 : 0);
  out.Text(kValueBorderLayer, s.BorderLayer.name);
  out.Text(kValueMediumBorderLevel, s.MediumBorderLevel.name);
  out.Text(kValueThickBorderLevel, s.ThickBorderLevel.name);
  out.Text(kValueTextLayer, s.TextLayer.name);
  out.Text(kValueBoldTextLevel, s.BoldTextLevel.name);
  out.Text(kValueItalicTextLevel, s.ItalicTextLevel.name);
  out.Text(kValueAutoShapeLayer, s.AutoShapeLayer.name);
  out.Text(kValuePatternLevel, s.PatternLevel.name);
  out.NumberText(kValueCellExcelPoints, s.CellExcelPoints);
  out.NumberText(kValueCellDrawingUnits, s.CellDrawingUnits);
  out.Number(kValueCellScaleIndex, s.CellScaleIndex);
  out.Number(kValueCellScaleOpt, s.CellScaleOpt);
  out.NumberText(kValueFontExcelPoints, s.FontExcelPoints);
  out.NumberText(kValueFontDrawingUnits, s.FontDrawingUnits);
  out.Number(kValueFontScaleIndex, s.FontScaleIndex);
  out.Number(kValueFontScaleOpt, s.FontScaleOpt);
  out.Number(kValueLineClrOpt, s.LineClrOpt);
  out.Number(kValueTextClrOpt, s.TextClrOpt);
  out.Number(kValueThinColorIndex, s.ThinColorIndex);
  out.Number(kValueMediumColorIndex, s.MediumColorIndex);
  out.Number(kValueThickColorIndex, s.ThickColorIndex);
  out.Number(kValueRegularColorIndex, s.RegularColorIndex);
  out.Number(kValueBoldColorIndex, s.BoldColorIndex);
  out.Number(kValueUseFontOpt, s.UseFontOpt);
  out.Number(kValueBorderOnOneLevel, s.BorderOnOneLevel);
  out.Number(kValueTextOnOneLevel, s.TextOnOneLevel);
  out.Number(kValueBorderThinWeight, s.BorderThinWeight);
  out.Number(kValueBorderMediumWeight, s.BorderMediumWeight);
  out.Number(kValueBorderThickWeight, s.BorderThickWeight);
  out.Number(kValueDefaultTextWeight, s.DefaultTextWeight);
  out.Number(kValueBoldLineWeight, s.BoldLineWeight);
  // The table's own angle: the view's rotation taken off on reading is not added back.
  out.NumberText(kValueRotationDegree, RotationToDegrees(s.rotation));
  out.Text(kValueFontSizes, s.FontSizes);
  out.Text(kValueRowHeights, s.RowHeights);
  out.Text(kValueColumnWidths, s.ColumnWidths);
  out.Number(kValueSplitRowsToColumns, s.SplitRowsToColumns);
  return out.written();
}
