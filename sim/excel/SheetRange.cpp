#include "sim/excel/SheetRange.h"

#include "sim/excel/RangeAddress.h"
#include "sim/excel/xlsx/XlsxRanges.h"

namespace sim {

std::optional<int> ContentSheetIndex(const WorkbookState& book, const WorksheetState& sheet) {
  if (!book.content) return std::nullopt;
  const SheetData* found = book.content->FindSheet(sheet.name);
  if (!found) return std::nullopt;
  return static_cast<int>(found - book.content->sheets.data());
}

std::optional<std::string> SheetRangeAddress(const WorkbookState& book, const WorksheetState& sheet,
                                             std::string_view cell1, std::optional<std::string_view> cell2) {
  if (auto address = AbsoluteAddress(cell1, cell2)) return address;
  std::optional<int> index = ContentSheetIndex(book, sheet);
  if (cell2 || !index) return std::nullopt;
  std::optional<SheetRect> found = ResolveRange(*book.content, *index, cell1);
  if (!found || found->sheetIndex != *index) return std::nullopt;
  return AbsoluteAddressOf(found->rect);
}

}  // namespace sim
