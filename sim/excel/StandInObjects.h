// The objects the stand-in Excel hands out below the application: each a view of
// one instance's state.
#pragma once

#include <memory>

#include "automation/ExcelObjectModel.h"
#include "sim/excel/ExcelState.h"

namespace sim {

using ExcelStatePtr = std::shared_ptr<ExcelState>;
using WorkbookStatePtr = std::shared_ptr<WorkbookState>;
using WorksheetStatePtr = std::shared_ptr<WorksheetState>;

std::shared_ptr<ExcelWorkbooks> MakeWorkbooks(ExcelStatePtr excel);
std::shared_ptr<ExcelWorkbook> MakeWorkbook(ExcelStatePtr excel, WorkbookStatePtr book);
std::shared_ptr<ExcelSheets> MakeSheets(ExcelStatePtr excel, WorkbookStatePtr book);
std::shared_ptr<ExcelWorksheet> MakeWorksheet(ExcelStatePtr excel, WorkbookStatePtr book, WorksheetStatePtr sheet);
std::shared_ptr<ExcelAddIns> MakeAddIns(ExcelStatePtr excel);
std::shared_ptr<ExcelComAddIns> MakeComAddIns(ExcelStatePtr excel);

}  // namespace sim
