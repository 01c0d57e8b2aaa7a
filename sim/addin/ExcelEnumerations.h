// The names a workbook file uses for its formats turned into the values Excel's object
// model reports for them (XlLineStyle, XlBorderWeight, XlPattern, XlUnderlineStyle,
// XlHAlign, XlVAlign, orientations, colour indexes), as the add-in reads them from a
// Range inside Excel.
#pragma once

#include <cstdint>
#include <string_view>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

constexpr int kXlNone = -4142;
constexpr int kXlAutomatic = -4105;
constexpr int kXlThin = 2;

struct ExcelLineStyle {
  int lineStyle = kXlNone;
  int weight = kXlThin;
};

// A border style name ("thin", "mediumDashDot", "" for none); an unknown name is no
// border.
ExcelLineStyle ExcelBorderStyle(std::string_view style);
// A pattern name ("solid", "gray125"...); an unknown name is no pattern.
int ExcelPattern(std::string_view patternType);
// An underline name ("", "single", "doubleAccounting"...).
int ExcelUnderline(std::string_view underline);
// Range.HorizontalAlignment as the add-in sends it: "general" resolved the way Excel
// shows the value (numbers right, texts left, booleans and errors centred).
int ExcelHorizontalAlignment(std::string_view horizontal, CellValueKind value);
int ExcelVerticalAlignment(std::string_view vertical);
// Range.Orientation of a textRotation: xlHorizontal, xlUpward, xlDownward,
// xlVertical for stacked text, other angles in degrees (counter-clockwise positive).
int ExcelOrientation(int textRotation);
// Interior.ColorIndex of a colour: the nearest colour of Excel's default palette of
// 56 colours, numbered from 1.
int ExcelColorIndex(std::uint32_t rgb);
// The colour of a palette index (the [ColorN] of number formats count from 8).
std::uint32_t PaletteColor(int indexed);

}  // namespace sim
