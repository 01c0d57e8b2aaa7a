// The stand-in Excel instances started in this process, as the system's running
// object table knows them.
#pragma once

#include "platform/windows.h"
#include "sim/excel/ExcelState.h"

namespace sim {

// The instance whose main window this is, or null.
ExcelState* FindExcelOfWindow(HWND window);

}  // namespace sim
