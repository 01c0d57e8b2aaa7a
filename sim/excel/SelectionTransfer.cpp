#include "sim/excel/SelectionTransfer.h"

#include "sim/addin/RangeTransfer.h"
#include "sim/excel/SheetRange.h"
#include "sim/excel/xlsx/XlsxRanges.h"

namespace sim {
namespace {

// What a sheet without a file behind it holds: empty cells of the default format.
std::shared_ptr<const WorkbookData> BlankWorkbook(const std::string& sheetName) {
  auto book = std::make_shared<WorkbookData>();
  book->sheets.emplace_back().name = sheetName;
  book->styles.push_back(std::make_shared<CellStyle>());
  return book;
}

}  // namespace

std::string SendSelectedRange(ExcelState& excel) {
  auto book = excel.ActiveWorkbook();
  if (!book || !book->activeSheet) return "There is no workbook open to send a range from.";
  const WorksheetState& sheet = *book->activeSheet;
  std::shared_ptr<const WorkbookData> content = book->content;
  std::optional<int> sheetIndex = ContentSheetIndex(*book, sheet);
  if (!sheetIndex) {
    content = BlankWorkbook(sheet.name);
    sheetIndex = 0;
  }
  const SheetData& sheetData = content->sheets[static_cast<std::size_t>(*sheetIndex)];
  std::string reference =
      sheet.selection.empty() ? AbsoluteAddressOf(UsedRangeOrFirstCell(sheetData)) : sheet.selection;
  std::vector<CellRect> areas;
  std::string error;
  if (!ResolveTransferAreas(*content, *sheetIndex, reference, &areas, &error)) return error;
  HWND window = FindSignalWindow();
  if (!window) return "The Quorvelle window to send the range to is not open.";
  SignalWindowMessages messages(window);
  if (!SendRange(*content, *sheetIndex, areas, book->fullName, messages, &error, sheet.typed)) return error;
  return "";
}

}  // namespace sim
