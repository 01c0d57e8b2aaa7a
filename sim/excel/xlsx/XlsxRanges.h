// A1 references of cells and rectangles, and references to a sheet's range by
// address or by defined name, turned into rectangles of a workbook read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;

// "B3", "$B$3", "b3"; none for anything else or past XFD1048576.
std::optional<CellRef> ParseCellRef(std::string_view text);
// "A1:F20", "$B$2" (one cell), "B:D" (whole columns), "3:9" (whole rows); the corners
// may come in any order.
std::optional<CellRect> ParseCellRect(std::string_view text);
// "$B$3" or "$B$3:$D$5".
std::string AbsoluteAddressOf(const CellRect& rect);

struct SheetRect {
  int sheetIndex = 0;
  CellRect rect;
};

// A range of the workbook: "A1:F20" on the sheet given, "Sheet1!A1:F20",
// "'My Sheet'!$B$2", a defined name ("Prices", visible from the sheet given: its
// own name of that name first, then the workbook's), or "Sheet1!Prices" for a
// sheet's own name. None when it names no sheet, no name, or no single rectangle.
std::optional<SheetRect> ResolveRange(const WorkbookData& book, int sheetIndex, std::string_view reference);

}  // namespace sim
