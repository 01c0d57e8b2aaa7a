// The content of a workbook file as the stand-in Excel holds it once read: sheets,
// names, cells with their raw values and resolved styles, and the sizes of columns
// and rows. Names and enumerations keep the spelling of the file ("solid",
// "mediumDashed", "centerContinuous"); mapping them to Excel's enumeration values
// is the business of whoever hands cells on. Rows and columns are 1-based, as in
// Excel. A workbook read is never changed afterwards, so its parts are shared.
#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/excel/xlsx/DrawingData.h"

namespace sim {

// A colour as the file gives it, resolved to RGB (theme colours, the indexed
// palette and tints applied).
struct ColorData {
  bool present = false;    // the file names a colour; absent colours are "automatic" to Excel
  bool automatic = false;  // auto="1", the system colour, or absent
  std::uint32_t rgb = 0;   // 0xRRGGBB, meaningful when present and not automatic
  int indexed = -1;        // the file's indexed value (Excel's colour index), -1 none
  int theme = -1;          // the file's theme value, -1 none
  double tint = 0;

  // Excel's own RGB value: red in the low byte.
  std::uint32_t ExcelRgb() const { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }
};

struct FontData {
  std::string name = "Calibri";
  double size = 11;  // points
  bool bold = false;
  bool italic = false;
  bool strike = false;
  std::string underline;  // "" none, "single", "double", "singleAccounting", "doubleAccounting"
  std::string vertAlign;  // "" or "baseline", "superscript", "subscript"
  ColorData color;        // color.indexed holds the font's Excel colour index when the file gives one
};

struct GradientStop {
  double position = 0;
  ColorData color;
};

struct FillData {
  std::string patternType = "none";  // "none", "solid", "gray125", "darkGrid", ...
  ColorData fgColor;
  ColorData bgColor;
  // A gradient fill instead of a pattern: "linear" or "path"; empty for a pattern fill.
  std::string gradientType;
  double gradientDegree = 0;
  std::vector<GradientStop> gradientStops;
};

struct BorderEdge {
  std::string style;  // "" none, or "thin", "medium", "double", "dashed", "hair", ...
  ColorData color;
};

struct BorderData {
  BorderEdge left, right, top, bottom, diagonal;
  bool diagonalUp = false;
  bool diagonalDown = false;
};

struct AlignmentData {
  std::string horizontal = "general";  // "general", "left", "center", "centerContinuous", ...
  std::string vertical = "bottom";     // "top", "center", "bottom", "justify", "distributed"
  int indent = 0;
  bool wrapText = false;
  bool shrinkToFit = false;
  int textRotation = 0;  // 0-90 up, 91-180 down by (value - 90), 255 stacked
  int readingOrder = 0;  // 0 context, 1 left to right, 2 right to left
};

// One cell format (an entry of cellXfs) with everything it refers to resolved.
struct CellStyle {
  int numFmtId = 0;
  std::string numberFormat = "General";  // the format code, built-in ones spelled out
  FontData font;
  FillData fill;
  BorderData border;
  AlignmentData alignment;
};

// A piece of a rich text with its own font. A run without properties takes the
// cell's font; properties the run leaves out take those of the workbook's default
// font.
struct TextRun {
  std::string text;  // UTF-8
  std::optional<FontData> font;
};

struct CellText {
  std::string text;            // UTF-8, the runs joined
  std::vector<TextRun> runs;   // empty for plain text
};

enum class CellValueKind { Empty, Number, Text, Boolean, Error };

struct CellData {
  CellValueKind kind = CellValueKind::Empty;
  double number = 0;                        // Number; Boolean as 0 or 1
  std::shared_ptr<const CellText> text;     // Text; Error holds its text ("#DIV/0!")
  bool hasFormula = false;                  // the value is a formula's cached result
  int styleIndex = 0;                       // the cell's entry of cellXfs
  std::shared_ptr<const CellStyle> style;   // never null in a workbook read

  bool Boolean() const { return number != 0; }
  const std::string& Text() const;           // "" unless Text or Error
  const std::string& NumberFormat() const;   // the resolved format code
};

// A rectangle of cells, 1-based and inclusive.
struct CellRect {
  int firstRow = 1;
  int firstColumn = 1;
  int lastRow = 1;
  int lastColumn = 1;

  bool Contains(int row, int column) const {
    return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
  }
  bool operator==(const CellRect&) const = default;
};

struct CellRef {
  int row = 1;
  int column = 1;
  auto operator<=>(const CellRef&) const = default;
};

// A <col> entry: columns first..last share width and flags.
struct ColumnData {
  int first = 1;
  int last = 1;
  std::optional<double> width;  // characters as stored; none leaves the sheet's default
  bool customWidth = false;
  bool hidden = false;
  int styleIndex = 0;
};

struct RowData {
  std::optional<double> height;  // points, when the row has its own
  bool customHeight = false;
  bool hidden = false;
};

using CellMap = std::map<CellRef, CellData>;
const CellData* FindCell(const CellMap& cells, int row, int column);

struct SheetData {
  std::string name;
  std::string state = "visible";  // "visible", "hidden", "veryHidden"
  std::string kind = "worksheet";  // or "chartsheet", "dialogsheet", "macrosheet": those hold no cells here
  std::string partName;              // the worksheet part of the workbook file
  CellMap cells;                     // the cells kept when the workbook was read
  std::optional<CellRect> cellSpan;  // the span of all the cells the part holds, kept or not
  std::optional<CellRect> dimension;  // <dimension> as the file gives it
  std::optional<double> defaultColWidth;  // characters, sheetFormatPr defaultColWidth
  int baseColWidth = 8;                   // characters, sheetFormatPr baseColWidth
  double defaultRowHeight = 15;           // points
  bool zeroHeight = false;                // rows not listed in `rows` are hidden
  std::vector<ColumnData> columns;        // in column order, not overlapping
  std::map<int, RowData> rows;
  std::vector<CellRect> mergedCells;
  std::string drawingId;                     // the relationship of its <drawing>, "" for none
  std::vector<DrawingObjectData> drawings;   // in the drawing part's order
  std::vector<DrawingWarning> drawingWarnings;

  const CellData* FindCell(int row, int column) const;
  // The rectangle of the used cells: <dimension> when the file gives one, else the
  // span of the cells; none for a sheet without cells.
  std::optional<CellRect> UsedRange() const;
  // The merged area holding the cell, or null.
  const CellRect* MergedAreaAt(int row, int column) const;
  // The <col> entry covering the column, or null.
  const ColumnData* FindColumn(int column) const;
};

struct DefinedName {
  std::string name;
  std::optional<int> localSheetId;  // 0-based sheet index for a sheet-scoped name
  std::string refersTo;             // as in the file: "Sheet1!$A$1:$C$3"
  bool hidden = false;
};

// Where the cells of a workbook read without them are read from again.
struct WorkbookSource;

struct WorkbookData {
  std::string fullPath;  // the file it was read from; empty when read from memory
  // Whether each sheet's `cells` holds all its cells; when not, the cells of a range
  // are read from `source` when they are needed (ReadSheetCells).
  bool cellsKept = true;
  std::shared_ptr<WorkbookSource> source;
  std::vector<SheetData> sheets;  // in tab order
  std::vector<DefinedName> definedNames;
  bool date1904 = false;
  int activeTab = 0;
  // The built-in document properties the package holds a value for, by the names Excel
  // gives them ("Title", "Author", "Last Save Time"...); dates as the package writes
  // them ("2016-03-01T10:00:00Z").
  std::map<std::string, std::string> documentProperties;
  std::vector<std::shared_ptr<const CellStyle>> styles;  // cellXfs, at least one
  FontData defaultFont;  // font 0, the font of the Normal style

  // By name, ignoring case as Excel does; null when there is none.
  const SheetData* FindSheet(std::string_view name) const;
};

}  // namespace sim
