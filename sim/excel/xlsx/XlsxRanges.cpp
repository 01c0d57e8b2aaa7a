#include "sim/excel/xlsx/XlsxRanges.h"

#include <algorithm>
#include <cctype>

#include "sim/excel/RangeAddress.h"
#include "sim/platform/TextCase.h"


namespace sim {
namespace {

struct Part {
  std::optional<int> row;
  std::optional<int> column;
};

// One side of a reference: a cell, a column alone or a row alone, "$" allowed.
std::optional<Part> ParsePart(std::string_view text) {
  Part part;
  size_t i = 0;
  if (i < text.size() && text[i] == '$') ++i;
  long column = 0;
  size_t letters = 0;
  while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) && letters < 4) {
    column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
    ++i;
    ++letters;
  }
  if (letters > 0) {
    if (column > kMaxColumn) return std::nullopt;
    part.column = static_cast<int>(column);
    if (i < text.size() && text[i] == '$') ++i;
  } else if (i > 0 && i < text.size() && !std::isdigit(static_cast<unsigned char>(text[i]))) {
    return std::nullopt;
  }
  long row = 0;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 8) {
    row = row * 10 + (text[i] - '0');
    ++i;
    ++digits;
  }
  if (digits > 0) {
    if (row < 1 || row > kMaxRow) return std::nullopt;
    part.row = static_cast<int>(row);
  }
  if (i != text.size() || (!part.row && !part.column)) return std::nullopt;
  return part;
}

// "Sheet1!A1" -> ("Sheet1", "A1"), with quotes around the sheet name undone ('' is ').
bool SplitSheet(std::string_view reference, std::optional<std::string>* sheet, std::string_view* rest) {
  if (!reference.empty() && reference.front() == '\'') {
    std::string name;
    size_t i = 1;
    for (; i < reference.size(); ++i) {
      if (reference[i] == '\'') {
        if (i + 1 < reference.size() && reference[i + 1] == '\'') {
          name += '\'';
          ++i;
          continue;
        }
        break;
      }
      name += reference[i];
    }
    if (i + 1 >= reference.size() || reference[i + 1] != '!') return false;
    *sheet = name;
    *rest = reference.substr(i + 2);
    return true;
  }
  size_t bang = reference.rfind('!');
  if (bang != std::string_view::npos) {
    *sheet = std::string(reference.substr(0, bang));
    *rest = reference.substr(bang + 1);
  } else {
    *rest = reference;
  }
  return true;
}

std::optional<int> SheetIndex(const WorkbookData& book, std::string_view name) {
  for (size_t i = 0; i < book.sheets.size(); ++i)
    if (EqualsIgnoringCase(book.sheets[i].name, name)) return static_cast<int>(i);
  return std::nullopt;
}

const DefinedName* FindName(const WorkbookData& book, std::optional<int> sheetIndex, std::string_view name) {
  for (const auto& defined : book.definedNames)
    if (defined.localSheetId == sheetIndex && EqualsIgnoringCase(defined.name, name)) return &defined;
  return nullptr;
}

// A reference to cells, not to a name: the name's target must not be another name.
std::optional<SheetRect> ResolveAddress(const WorkbookData& book, int sheetIndex, std::string_view reference) {
  std::optional<std::string> sheet;
  std::string_view address;
  if (!SplitSheet(reference, &sheet, &address)) return std::nullopt;
  if (sheet) {
    std::optional<int> index = SheetIndex(book, *sheet);
    if (!index) return std::nullopt;
    sheetIndex = *index;
  }
  std::optional<CellRect> rect = ParseCellRect(address);
  if (!rect || sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size())) return std::nullopt;
  return SheetRect{sheetIndex, *rect};
}

}  // namespace

std::optional<CellRef> ParseCellRef(std::string_view text) {
  std::optional<Part> part = ParsePart(text);
  if (!part || !part->row || !part->column) return std::nullopt;
  return CellRef{*part->row, *part->column};
}

std::optional<CellRect> ParseCellRect(std::string_view text) {
  size_t colon = text.find(':');
  std::optional<Part> first = ParsePart(text.substr(0, colon));
  std::optional<Part> second = colon == std::string_view::npos ? first : ParsePart(text.substr(colon + 1));
  if (!first || !second) return std::nullopt;
  bool cells = first->row && first->column && second->row && second->column;
  bool columns = !first->row && !second->row && colon != std::string_view::npos;
  bool rows = !first->column && !second->column && colon != std::string_view::npos;
  if (!cells && !columns && !rows) return std::nullopt;
  CellRect rect;
  rect.firstRow = std::min(first->row.value_or(1), second->row.value_or(1));
  rect.lastRow = columns ? kMaxRow : std::max(*first->row, *second->row);
  rect.firstColumn = std::min(first->column.value_or(1), second->column.value_or(1));
  rect.lastColumn = rows ? kMaxColumn : std::max(*first->column, *second->column);
  return rect;
}

std::string AbsoluteAddressOf(const CellRect& rect) {
  auto cell = [](int row, int column) { return "$" + ColumnLetters(column) + "$" + std::to_string(row); };
  std::string address = cell(rect.firstRow, rect.firstColumn);
  if (rect.lastRow != rect.firstRow || rect.lastColumn != rect.firstColumn)
    address += ":" + cell(rect.lastRow, rect.lastColumn);
  return address;
}

std::optional<SheetRect> ResolveRange(const WorkbookData& book, int sheetIndex, std::string_view reference) {
  if (std::optional<SheetRect> direct = ResolveAddress(book, sheetIndex, reference)) return direct;
  std::optional<std::string> sheet;
  std::string_view name;
  if (!SplitSheet(reference, &sheet, &name)) return std::nullopt;
  const DefinedName* defined = nullptr;
  if (sheet) {
    std::optional<int> index = SheetIndex(book, *sheet);
    if (index) defined = FindName(book, *index, name);
  } else {
    defined = FindName(book, sheetIndex, name);
    if (!defined) defined = FindName(book, std::nullopt, name);
  }
  if (!defined) return std::nullopt;
  std::string_view target = defined->refersTo;
  if (!target.empty() && target.front() == '=') target.remove_prefix(1);
  int scope = defined->localSheetId.value_or(sheetIndex);
  return ResolveAddress(book, scope, target);
}

}  // namespace sim
