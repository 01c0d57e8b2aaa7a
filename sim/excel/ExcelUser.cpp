// The person at Excel's keyboard: opening a workbook, selecting a range and asking
// the companion add-in to send it.
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/SelectionTransfer.h"
#include "sim/excel/SheetRange.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/StandInApplication.h"
#include "sim/excel/WorkbookFile.h"
#include "sim/excel/xlsx/XlsxRanges.h"

namespace sim {
namespace {

constexpr std::size_t kMaxTypedChars = 32767;  // Excel's bound for a cell's text

// Why the person cannot work in this Excel, or "".
std::string Unreachable(const ExcelState& excel) {
  if (excel.ended || !excel.visible) return kNotVisibleToUserText;
  if (!excel.interactive) return kNotInteractiveText;
  return "";
}

}  // namespace

std::string OpenAsUser(ExcelApplication& excel, const std::string& windowsPath) {
  ExcelState& state = StandInOf(excel).state();
  std::string error = Unreachable(state);
  if (error.empty()) OpenWorkbookFile(state, windowsPath, &error);
  return error;
}

std::string SelectAsUser(ExcelApplication& excel, const std::string& sheetName, const std::string& address) {
  ExcelState& state = StandInOf(excel).state();
  if (std::string error = Unreachable(state); !error.empty()) return error;
  auto book = state.ActiveWorkbook();
  auto sheet = book ? book->FindSheet(sheetName) : nullptr;
  if (!sheet || sheet->visibility != kSheetVisible) return NoSheetToSelectText(sheetName);
  auto absolute = SheetRangeAddress(*book, *sheet, address);
  if (!absolute) return kReferenceNotValidText;
  book->activeSheet = sheet;
  sheet->selection = *absolute;
  return "";
}

std::string TypeAsUser(ExcelApplication& excel, const std::string& sheetName, const std::string& cell,
                       const std::string& value) {
  ExcelState& state = StandInOf(excel).state();
  if (std::string error = Unreachable(state); !error.empty()) return error;
  auto book = state.ActiveWorkbook();
  auto sheet = book ? book->FindSheet(sheetName) : nullptr;
  if (!sheet || sheet->visibility != kSheetVisible) return NoSheetToSelectText(sheetName);
  std::string plain;  // "$B$3" as "B3"
  for (char c : cell)
    if (c != '$') plain += c;
  std::optional<CellRef> ref = ParseCellRef(plain);
  if (!ref) return kReferenceNotValidText;
  if (value.size() > kMaxTypedChars) return "A cell holds at most 32767 characters.";
  sheet->typed[*ref] = value;
  return "";
}

std::string SendAsUser(ExcelApplication& excel) {
  ExcelState& state = StandInOf(excel).state();
  if (std::string error = Unreachable(state); !error.empty()) return error;
  if (ExcelTransfer transfer = state.transfer) {
    transfer(excel, 1);
    return "";
  }
  return SendSelectedRange(state);
}

}  // namespace sim
