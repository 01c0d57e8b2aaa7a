#include "sim/excel/ExcelState.h"

#include <algorithm>

#include "sim/excel/ExcelErrors.h"
#include "sim/platform/TextCase.h"

namespace sim {

void WorkbookState::AddSheet(const std::string& sheetName, int visibility) {
  auto sheet = std::make_shared<WorksheetState>();
  sheet->name = sheetName;
  sheet->visibility = visibility;
  sheets.push_back(sheet);
  if (!activeSheet && visibility == kSheetVisible) activeSheet = sheet;
}

std::shared_ptr<WorksheetState> WorkbookState::FindSheet(std::string_view sheetName) const {
  for (const auto& sheet : sheets)
    if (EqualsIgnoringCase(sheet->name, sheetName)) return sheet;
  return nullptr;
}

int WorkbookState::VisibleSheetCount() const {
  return static_cast<int>(std::count_if(sheets.begin(), sheets.end(),
                                        [](const auto& sheet) { return sheet->visibility == kSheetVisible; }));
}

std::shared_ptr<WorkbookState> ExcelState::ActiveWorkbook() const {
  return windowOrder.empty() ? nullptr : windowOrder.front();
}

std::shared_ptr<WorkbookState> ExcelState::FindWorkbook(std::string_view fullNameOrName) const {
  for (const auto& book : workbooks)
    if (EqualsIgnoringCase(book->fullName, fullNameOrName) || EqualsIgnoringCase(book->name, fullNameOrName))
      return book;
  return nullptr;
}

void ExcelState::Activate(const std::shared_ptr<WorkbookState>& book) {
  std::erase(windowOrder, book);
  windowOrder.insert(windowOrder.begin(), book);
}

void ExcelState::Remove(const std::shared_ptr<WorkbookState>& book) {
  std::erase(workbooks, book);
  std::erase(windowOrder, book);
}

std::shared_ptr<ComAddInState> ExcelState::FindComAddIn(std::string_view progId) const {
  for (const auto& addIn : comAddIns)
    if (EqualsIgnoringCase(addIn->progId, progId)) return addIn;
  return nullptr;
}

void ExcelState::PutComAddIn(ComAddInState addIn) {
  if (auto existing = FindComAddIn(addIn.progId))
    *existing = std::move(addIn);
  else
    comAddIns.push_back(std::make_shared<ComAddInState>(std::move(addIn)));
}

void CheckConnected(const ExcelState& excel, const WorkbookState* book) {
  if (excel.ended || (book && book->closed)) RaiseDisconnected();
}

}  // namespace sim
