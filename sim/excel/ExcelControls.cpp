// Reading and setting one instance's state from outside, for tests and the host shell.
#include "sim/excel/SimExcel.h"
#include "sim/excel/StandInApplication.h"
#include "sim/platform/TextCase.h"

namespace sim {

void SetExcelVersion(ExcelApplication& excel, const std::string& version) {
  StandInOf(excel).state().version = version;
}

void SetExcelStaysInvisible(ExcelApplication& excel, bool staysInvisible) {
  ExcelState& state = StandInOf(excel).state();
  state.staysInvisible = staysInvisible;
  if (staysInvisible && state.visible && !state.ended) excel.SetVisible(false);
}

ExcelFlags ExcelFlagsOf(ExcelApplication& excel) {
  const ExcelState& state = StandInOf(excel).state();
  return ExcelFlags{state.visible, state.interactive, state.displayAlerts, state.screenUpdating};
}

bool ExcelQuitCalled(ExcelApplication& excel) { return StandInOf(excel).state().quitCalled; }

bool ExcelEnded(ExcelApplication& excel) { return StandInOf(excel).state().ended; }

std::vector<std::string> ExcelWorkbookNames(ExcelApplication& excel) {
  std::vector<std::string> names;
  for (const auto& book : StandInOf(excel).state().workbooks) names.push_back(book->fullName);
  return names;
}

std::vector<std::string> ExcelWorkbookHistory(ExcelApplication& excel) { return StandInOf(excel).state().history; }

std::string ActiveWorkbookName(ExcelApplication& excel) {
  auto book = StandInOf(excel).state().ActiveWorkbook();
  return book ? book->fullName : "";
}

std::string ActiveSheetName(ExcelApplication& excel) {
  auto book = StandInOf(excel).state().ActiveWorkbook();
  return book && book->activeSheet ? book->activeSheet->name : "";
}

ExcelSelection SelectionOf(ExcelApplication& excel) {
  auto book = StandInOf(excel).state().ActiveWorkbook();
  if (!book || !book->activeSheet) return {};
  return ExcelSelection{book->fullName, book->activeSheet->name, book->activeSheet->selection};
}

bool AddWorksheet(ExcelApplication& excel, const std::string& workbook, const std::string& sheet, int visibility) {
  auto book = StandInOf(excel).state().FindWorkbook(workbook);
  bool knownVisibility = visibility == kSheetVisible || visibility == kSheetHidden || visibility == kSheetVeryHidden;
  if (!book || sheet.empty() || book->FindSheet(sheet) || !knownVisibility) return false;
  book->AddSheet(sheet, visibility);
  return true;
}

}  // namespace sim
