// The companion add-in's transfer of a range of a workbook read from its file: the
// workbook's path, the messages about drawing objects not sent, then for each area of
// the range the begin message with the cells per row, one cell record per cell row by
// row (hidden rows and columns as placeholder records), one drawing-object record per
// object of the area (RangeShapes.h), and the end message, which asks for the output
// at the end of the last area.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/addin/AddinMessages.h"
#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// More cells than this in one transfer are refused: each is a cell record of 13 KB
// and a cell of the table the module builds.
constexpr std::size_t kMaxTransferCells = 200000;

// The areas a reference names on a sheet: an address ("B3:D9", "$B:$D", "3:9",
// "Sheet1!A1"), several joined by ",", or a defined name. Whole rows and columns are
// cut to the sheet's used range. False with a message when the reference names no
// range of this sheet or its areas hold more than kMaxTransferCells cells.
bool ResolveTransferAreas(const WorkbookData& book, int sheetIndex, std::string_view reference,
                          std::vector<CellRect>* areas, std::string* error);

// The sheet's used range, or its first cell when it has no cells.
CellRect UsedRangeOrFirstCell(const SheetData& sheet);

// The cells a transfer of an area reads: the area and the rows and columns around
// it, whose borders meet its edges.
CellRect AreaWithNeighbours(const CellRect& area);

// What the Excel user typed into cells of a sheet since the workbook was opened: a
// number where the text reads as one (as numbers are written in a workbook file), else
// a text; an empty text clears the cell.
using TypedValues = std::map<CellRef, std::string>;

// Sends the areas, with the values the user typed in place of the file's; false with
// a message, and nothing sent, when their cells cannot be read from the workbook's
// file.
bool SendRange(const WorkbookData& book, int sheetIndex, const std::vector<CellRect>& areas,
               const std::string& workbookPath, AddinMessages& out, std::string* error,
               const TypedValues& typed = {});

}  // namespace sim
