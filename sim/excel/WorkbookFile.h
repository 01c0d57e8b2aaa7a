// Workbooks.Open: a workbook file opened in an instance, or the open one switched to.
#pragma once

#include <memory>
#include <string>

#include "sim/excel/ExcelState.h"

namespace sim {

// The workbook at a Windows path made the active one: the open workbook of that
// full path (letter case aside), else the file opened and read, its sheets, names
// and cells with it. Null, with Excel's message, when the file does not exist, is no
// workbook that can be read, or another open workbook has its file name.
std::shared_ptr<WorkbookState> OpenWorkbookFile(ExcelState& excel, const std::string& path, std::string* error);

}  // namespace sim
