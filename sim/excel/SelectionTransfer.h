// The companion add-in's own transfer, run when no other is set: the selected range
// of the active sheet of the active workbook, read from the workbook's file, sent to
// the module's signal window. A sheet with nothing selected sends its used range;
// a workbook never saved sends its empty cells.
#pragma once

#include <string>

#include "sim/excel/ExcelState.h"

namespace sim {

// "" once the range is sent, else the add-in's message: there is no workbook, no
// signal window, or a selection that cannot be sent.
std::string SendSelectedRange(ExcelState& excel);

}  // namespace sim
