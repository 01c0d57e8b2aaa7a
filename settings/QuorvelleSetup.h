// The option set: how a table is drawn. Each table holds its own; the module points
// currentOptionSet at the set in force.
#pragma once

#include <array>
#include <string>

#include "host/msgeom.h"
#include "support/Serialisable.h"
#include "settings/ExcelFontMap.h"

// A level option: the level's name (empty: not set) and its resolved identifier.
struct LevelOption {
  std::string name;
  LevelID id = 0;
};

// ImportObj bits: what to draw.
constexpr int kImportBorders = 1;
constexpr int kImportTexts = 2;
constexpr int kImportPatterns = 4;
constexpr int kImportFills = 8;
constexpr int kImportObjects = 16;
constexpr int kImportPictures = 32;
constexpr int kImportCharts = 64;

class QuorvelleSetup : public CSerialisable {
 public:
  QuorvelleSetup() { ResetOptions(); }
  const char* GetRuntimeClassName() const override { return "QuorvelleSetup"; }

  // Every field to its default, strings and the font map emptied.
  void ResetOptions();
  // The factor from Excel points to drawing size (k).
  double PlacementScale() const;
  // The factor applied to Excel font sizes to give text heights.
  double TextScaleFactor() const;
  // The options that name levels, in the order of their keys.
  std::array<LevelOption*, 8> LevelOptions() {
    return {&BorderLayer, &MediumBorderLevel, &ThickBorderLevel, &TextLayer, &BoldTextLevel,
            &ItalicTextLevel, &AutoShapeLayer, &PatternLevel};
  }

  int optionsVersion;
  int replacedTablePosition;
  DPoint3d tableScale;
  int splitPickCount;
  DPoint3d firstColumnOrigin;
  DPoint3d secondColumnOrigin;
  RotMatrix rotation;
  double CellExcelPoints;
  double CellDrawingUnits;
  int CellScaleIndex;
  double TextWFactor;
  double FontExcelPoints;
  double FontDrawingUnits;
  int FontScaleIndex;
  int CellScaleOpt;
  int FontScaleOpt;
  int BorderThinWeight;
  int BorderMediumWeight;
  int BorderThickWeight;
  int DefaultTextWeight;
  int BoldLineWeight;
  unsigned int doubleLineGap;
  double fontToCellRatio;
  double LeftMargin;
  double indentWidth;
  double TopMargin;
  int patternUnitFlag;
  int ThinColorIndex;
  int MediumColorIndex;
  int ThickColorIndex;
  int RegularColorIndex;
  int BoldColorIndex;
  int LineClrOpt;
  int TextClrOpt;
  int UseFontOpt;
  int OnlyPrintArea;
  int BorderOnOneLevel;
  int TextOnOneLevel;
  int SplitRowsToColumns;
  int ImportObj;
  LevelOption BorderLayer;
  LevelOption MediumBorderLevel;
  LevelOption ThickBorderLevel;
  LevelOption TextLayer;
  LevelOption BoldTextLevel;
  LevelOption ItalicTextLevel;
  LevelOption AutoShapeLayer;
  LevelOption PatternLevel;
  std::string pictureTag;
  std::string FontSizes;
  std::string ColumnWidths;
  std::string RowHeights;
  ExcelFontMapArray fontMap;
};

// The option set in force (none between operations). Every drawer reads it.
extern QuorvelleSetup* currentOptionSet;
