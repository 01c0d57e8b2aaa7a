// Every field of an option set as one text, so that a test can tell whether any
// field changed and which.
#pragma once

#include <sstream>
#include <string>

#include "settings/QuorvelleSetup.h"

inline std::string SetupSnapshot(const QuorvelleSetup& s) {
  std::ostringstream out;
  out.precision(17);
  auto point = [&](const char* name, const DPoint3d& p) {
    out << name << "=" << p.x << "," << p.y << "," << p.z << "\n";
  };
  auto level = [&](const char* name, const LevelOption& l) { out << name << "=" << l.name << "#" << l.id << "\n"; };
  out << "optionsVersion=" << s.optionsVersion << "\nreplacedTablePosition=" << s.replacedTablePosition << "\n";
  point("tableScale", s.tableScale);
  out << "splitPickCount=" << s.splitPickCount << "\n";
  point("firstColumnOrigin", s.firstColumnOrigin);
  point("secondColumnOrigin", s.secondColumnOrigin);
  out << "rotation=";
  for (const auto& row : s.rotation.form3d) out << row[0] << "," << row[1] << "," << row[2] << ";";
  out << "\nCellExcelPoints=" << s.CellExcelPoints << "\nCellDrawingUnits=" << s.CellDrawingUnits
      << "\nCellScaleIndex=" << s.CellScaleIndex << "\nTextWFactor=" << s.TextWFactor
      << "\nFontExcelPoints=" << s.FontExcelPoints << "\nFontDrawingUnits=" << s.FontDrawingUnits
      << "\nFontScaleIndex=" << s.FontScaleIndex << "\nCellScaleOpt=" << s.CellScaleOpt
      << "\nFontScaleOpt=" << s.FontScaleOpt << "\nBorderThinWeight=" << s.BorderThinWeight
      << "\nBorderMediumWeight=" << s.BorderMediumWeight << "\nBorderThickWeight=" << s.BorderThickWeight
      << "\nDefaultTextWeight=" << s.DefaultTextWeight << "\nBoldLineWeight=" << s.BoldLineWeight
      << "\ndoubleLineGap=" << s.doubleLineGap << "\nfontToCellRatio=" << s.fontToCellRatio
      << "\nLeftMargin=" << s.LeftMargin << "\nindentWidth=" << s.indentWidth << "\nTopMargin=" << s.TopMargin
      << "\npatternUnitFlag=" << s.patternUnitFlag << "\nThinColorIndex=" << s.ThinColorIndex
      << "\nMediumColorIndex=" << s.MediumColorIndex << "\nThickColorIndex=" << s.ThickColorIndex
      << "\nRegularColorIndex=" << s.RegularColorIndex << "\nBoldColorIndex=" << s.BoldColorIndex
      << "\nLineClrOpt=" << s.LineClrOpt << "\nTextClrOpt=" << s.TextClrOpt << "\nUseFontOpt=" << s.UseFontOpt
      << "\nOnlyPrintArea=" << s.OnlyPrintArea << "\nBorderOnOneLevel=" << s.BorderOnOneLevel
      << "\nTextOnOneLevel=" << s.TextOnOneLevel << "\nSplitRowsToColumns=" << s.SplitRowsToColumns
      << "\nImportObj=" << s.ImportObj << "\n";
  level("BorderLayer", s.BorderLayer);
  level("MediumBorderLevel", s.MediumBorderLevel);
  level("ThickBorderLevel", s.ThickBorderLevel);
  level("TextLayer", s.TextLayer);
  level("BoldTextLevel", s.BoldTextLevel);
  level("ItalicTextLevel", s.ItalicTextLevel);
  level("AutoShapeLayer", s.AutoShapeLayer);
  level("PatternLevel", s.PatternLevel);
  out << "pictureTag=" << s.pictureTag << "\nFontSizes=" << s.FontSizes << "\nColumnWidths=" << s.ColumnWidths
      << "\nRowHeights=" << s.RowHeights << "\nfontMap=";
  for (const auto& e : s.fontMap.entries) out << e.m_strExcelFont << "/" << e.m_strStyle << "/" << e.m_strMSFont << ";";
  out << "\nTextWFactorText=" << s.fontMap.m_strTextWFactor << "\n";
  return out.str();
}

// An option set with every field away from its default, so that a change to any
// field shows.
inline void FillWithNonDefaults(QuorvelleSetup& s) {
  s.optionsVersion = 2;
  s.replacedTablePosition = 77;
  s.tableScale = {2, 3, 4};
  s.splitPickCount = 1;
  s.firstColumnOrigin = {5, 6, 7};
  s.secondColumnOrigin = {8, 9, 10};
  s.rotation.form3d[0][1] = 0.25;
  s.CellExcelPoints = 11.5;
  s.CellDrawingUnits = 12.5;
  s.CellScaleIndex = 13;
  s.TextWFactor = 0.75;
  s.FontExcelPoints = 14.5;
  s.FontDrawingUnits = 15.5;
  s.FontScaleIndex = 16;
  s.CellScaleOpt = 2;
  s.FontScaleOpt = 2;
  s.BorderThinWeight = 17;
  s.BorderMediumWeight = 18;
  s.BorderThickWeight = 19;
  s.DefaultTextWeight = 20;
  s.BoldLineWeight = 21;
  s.doubleLineGap = 22;
  s.fontToCellRatio = 0.5;
  s.LeftMargin = 23.5;
  s.indentWidth = 24.5;
  s.TopMargin = 25.5;
  s.patternUnitFlag = 1;
  s.ThinColorIndex = 26;
  s.MediumColorIndex = 27;
  s.ThickColorIndex = 28;
  s.RegularColorIndex = 29;
  s.BoldColorIndex = 30;
  s.LineClrOpt = 2;
  s.TextClrOpt = 3;
  s.UseFontOpt = 0;
  s.OnlyPrintArea = 1;
  s.BorderOnOneLevel = 0;
  s.TextOnOneLevel = 0;
  s.SplitRowsToColumns = 1;
  s.ImportObj = 128;
  s.BorderLayer = {"Held Border", 101};
  s.MediumBorderLevel = {"Held Medium", 102};
  s.ThickBorderLevel = {"Held Thick", 103};
  s.TextLayer = {"Held Text", 104};
  s.BoldTextLevel = {"Held Bold", 105};
  s.ItalicTextLevel = {"Held Italic", 106};
  s.AutoShapeLayer = {"Held Shapes", 107};
  s.PatternLevel = {"Held Pattern", 108};
  s.pictureTag = "tag";
  s.FontSizes = "held sizes";
  s.ColumnWidths = "held widths";
  s.RowHeights = "held heights";
  s.fontMap.AddExcelFont("Arial", true, false);
  s.fontMap.m_strTextWFactor = "0.8";
}
