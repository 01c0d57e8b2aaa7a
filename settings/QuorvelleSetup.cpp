#include "settings/QuorvelleSetup.h"

#include <cmath>

QuorvelleSetup* currentOptionSet = nullptr;

void QuorvelleSetup::ResetOptions() {
  optionsVersion = 4;
  replacedTablePosition = -1;
  tableScale = {1, 1, 1};
  splitPickCount = 0;
  firstColumnOrigin = {};
  secondColumnOrigin = {};
  rotation = RotMatrix{};
  CellExcelPoints = 1.0;
  CellDrawingUnits = 1.0;
  CellScaleIndex = 1;
  TextWFactor = 0.9;
  FontExcelPoints = 1.0;
  FontDrawingUnits = 1.0;
  FontScaleIndex = 1;
  CellScaleOpt = 1;
  FontScaleOpt = 0;
  BorderThinWeight = 0;
  BorderMediumWeight = 2;
  BorderThickWeight = 4;
  DefaultTextWeight = -1;
  BoldLineWeight = -1;
  doubleLineGap = 1;
  fontToCellRatio = 0.69;
  LeftMargin = 3.0;
  indentWidth = 9.0;
  TopMargin = 3.0;
  patternUnitFlag = 0;
  ThinColorIndex = MediumColorIndex = ThickColorIndex = RegularColorIndex = BoldColorIndex = 0;
  LineClrOpt = 1;
  TextClrOpt = 1;
  UseFontOpt = 1;
  OnlyPrintArea = 0;
  BorderOnOneLevel = 1;
  TextOnOneLevel = 1;
  SplitRowsToColumns = 0;
  ImportObj = 255;
  for (LevelOption* l : LevelOptions()) *l = LevelOption{};
  pictureTag.clear();
  FontSizes.clear();
  ColumnWidths.clear();
  RowHeights.clear();
  fontMap.entries.clear();
  fontMap.m_strTextWFactor.clear();
}

double QuorvelleSetup::PlacementScale() const {
  if (std::fabs(FontDrawingUnits) <= fc_nearZero || std::fabs(FontExcelPoints) <= fc_nearZero) return 1.0;
  double k = 1.0;
  if (CellScaleOpt == 0 && FontScaleOpt == 1)
    k = FontDrawingUnits / FontExcelPoints / 0.69;
  else if (CellScaleOpt == 1)
    k = CellDrawingUnits / CellExcelPoints;
  // A cell scale of zero points (a text that did not read as a number) or zero units
  // would draw the table infinitely large or not at all; such a scale counts as 1.
  return std::isfinite(k) && k > fc_nearZero ? k : 1.0;
}

double QuorvelleSetup::TextScaleFactor() const {
  if (FontScaleOpt == 0 || std::fabs(FontDrawingUnits) <= fc_nearZero || std::fabs(FontExcelPoints) <= fc_nearZero)
    return fontToCellRatio;
  if (FontScaleOpt == 1) return (FontDrawingUnits / FontExcelPoints) / PlacementScale();
  return 1.0;
}
