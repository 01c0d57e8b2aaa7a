// Excel's main window ("XLMAIN"), made when first needed, and the end of an instance.
#pragma once

#include "platform/windows.h"
#include "sim/excel/ExcelState.h"

namespace sim {

// The instance's window, made when there is none (shown when Excel is visible).
// Null when it cannot be made.
HWND ExcelWindow(ExcelState& excel);
// Shows or hides the window as Application.Visible says, making it when shown.
void ShowExcelWindow(ExcelState& excel);
// Ends the instance: its window is destroyed and every reference into it
// disconnects. Closing the window ends it as well, as closing Excel does.
void EndExcel(ExcelState& excel);

}  // namespace sim
