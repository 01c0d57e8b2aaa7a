// The ranges Worksheet.Range takes on a sheet of an open workbook: A1 references, and
// for a workbook read from its file also the names it defines and references that
// name the sheet ("Sheet1!B3:D9").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/excel/ExcelState.h"

namespace sim {

// The absolute address ("$B$3:$D$9"), or none when the reference names no range of
// this sheet.
std::optional<std::string> SheetRangeAddress(const WorkbookState& book, const WorksheetState& sheet,
                                             std::string_view cell1, std::optional<std::string_view> cell2 = {});

// The sheet's place in the workbook's content; none when the content lacks it (a
// workbook never saved, a sheet added since it was opened).
std::optional<int> ContentSheetIndex(const WorkbookState& book, const WorksheetState& sheet);

}  // namespace sim
