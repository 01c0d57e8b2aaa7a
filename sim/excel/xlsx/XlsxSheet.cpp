#include "sim/excel/xlsx/XlsxSheet.h"

#include <algorithm>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxRanges.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

constexpr double kMaxColumnWidth = 255;  // characters
constexpr double kMaxRowHeight = 409;    // points

void ReadFormat(pugi::xml_node format, SheetData* sheet) {
  if (!format) return;
  if (std::optional<double> width = NumberAttr(format, "defaultColWidth"))
    sheet->defaultColWidth = std::clamp(*width, 0.0, kMaxColumnWidth);
  sheet->baseColWidth = static_cast<int>(IntAttr(format, "baseColWidth", 0, 255).value_or(8));
  if (std::optional<double> height = NumberAttr(format, "defaultRowHeight"))
    sheet->defaultRowHeight = std::clamp(*height, 0.0, kMaxRowHeight);
  sheet->zeroHeight = BoolAttr(format, "zeroHeight", false);
}

void ReadColumns(pugi::xml_node sheetNode, SheetData* sheet) {
  for (pugi::xml_node cols : Children(sheetNode, "cols")) {
    for (pugi::xml_node col : Children(cols, "col")) {
      std::optional<long long> first = IntAttr(col, "min", 1, kMaxColumn);
      std::optional<long long> last = IntAttr(col, "max", 1, kMaxColumn);
      if (!first || !last || *last < *first) continue;
      ColumnData column;
      column.first = static_cast<int>(*first);
      column.last = static_cast<int>(*last);
      if (std::optional<double> width = NumberAttr(col, "width")) column.width = std::clamp(*width, 0.0, kMaxColumnWidth);
      column.customWidth = BoolAttr(col, "customWidth", false);
      column.hidden = BoolAttr(col, "hidden", false);
      column.styleIndex = static_cast<int>(IntAttr(col, "style", 0, 1LL << 31).value_or(0));
      sheet->columns.push_back(column);
    }
  }
  // Entries overlapping an earlier one are dropped, so that each column has one.
  std::stable_sort(sheet->columns.begin(), sheet->columns.end(),
                   [](const ColumnData& a, const ColumnData& b) { return a.first < b.first; });
  std::vector<ColumnData> kept;
  for (const ColumnData& column : sheet->columns)
    if (kept.empty() || column.first > kept.back().last) kept.push_back(column);
  sheet->columns = std::move(kept);
}

// Error texts Excel knows; anything else in an error cell is kept as written.
bool ReadValue(pugi::xml_node c, const SheetReadContext& context, CellData* cell, std::string* error,
               std::string_view partName) {
  std::string_view type = Attr(c, "t") ? Attr(c, "t").value() : "n";
  pugi::xml_node v = Child(c, "v");
  std::string_view value = v ? v.child_value() : "";
  cell->hasFormula = static_cast<bool>(Child(c, "f"));
  auto text = [](std::string s) {
    auto t = std::make_shared<CellText>();
    t->text = std::move(s);
    return std::shared_ptr<const CellText>(std::move(t));
  };
  if (type == "inlineStr") {
    cell->kind = CellValueKind::Text;
    cell->text = ReadCellText(Child(c, "is"), context.colors, context.styles.defaultFont);
    return true;
  }
  if (!v || value.empty()) return true;  // a cell with a style only
  if (type == "s") {
    std::optional<double> index = ParseXmlNumber(value);
    if (!index || *index < 0 || *index >= static_cast<double>(context.sharedStrings.size())) {
      *error = "The workbook part " + std::string(partName) + " refers to shared string " + std::string(value) +
               ", which does not exist.";
      return false;
    }
    cell->kind = CellValueKind::Text;
    cell->text = context.sharedStrings[static_cast<size_t>(*index)];
  } else if (type == "str" || type == "d") {
    // A formula's text result; dates as text are rare enough to be kept as written.
    cell->kind = CellValueKind::Text;
    cell->text = text(DecodeEscapedText(value));
  } else if (type == "b") {
    cell->kind = CellValueKind::Boolean;
    cell->number = value == "1" || value == "true" ? 1 : 0;
  } else if (type == "e") {
    cell->kind = CellValueKind::Error;
    cell->text = text(std::string(value));
  } else {
    std::optional<double> number = ParseXmlNumber(value);
    if (!number) {
      *error = "The workbook part " + std::string(partName) + " has a cell whose number is not a number: " +
               std::string(value.substr(0, 40)) + ".";
      return false;
    }
    cell->kind = CellValueKind::Number;
    cell->number = *number;
  }
  return true;
}

bool ReadRows(pugi::xml_node data, std::string_view partName, SheetReadContext* context, SheetData* sheet,
              std::string* error) {
  auto styleOf = [&](pugi::xml_node node, std::string_view attribute) {
    long long index = IntAttr(node, attribute, 0, 1LL << 31).value_or(0);
    return index < static_cast<long long>(context->styles.cellStyles.size()) ? static_cast<int>(index) : 0;
  };
  int rowNumber = 0;
  for (pugi::xml_node row : Children(data, "row")) {
    // Rows and cells without a reference follow the one before.
    if (pugi::xml_attribute r = Attr(row, "r")) {
      std::optional<long long> number = IntAttr(row, "r", 1, kMaxRow);
      if (!number) {
        *error = "The workbook part " + std::string(partName) + " has a row numbered " +
                 std::string(std::string_view(r.value()).substr(0, 40)) + ", outside the sheet.";
        return false;
      }
      rowNumber = static_cast<int>(*number);
    } else if (++rowNumber > kMaxRow) {
      *error = "The workbook part " + std::string(partName) + " has more than " + std::to_string(kMaxRow) + " rows.";
      return false;
    }
    RowData rowData;
    if (std::optional<double> height = NumberAttr(row, "ht")) rowData.height = std::clamp(*height, 0.0, kMaxRowHeight);
    rowData.customHeight = BoolAttr(row, "customHeight", false);
    rowData.hidden = BoolAttr(row, "hidden", false);
    // With zeroHeight, rows are hidden unless listed: every listed row is kept.
    if (rowData.height || rowData.customHeight || rowData.hidden || sheet->zeroHeight)
      sheet->rows[rowNumber] = rowData;

    int columnNumber = 0;
    for (pugi::xml_node c : Children(row, "c")) {
      if (++context->cellsRead > kMaxCells) {
        *error = "The workbook has more than " + std::to_string(kMaxCells) + " cells.";
        return false;
      }
      if (pugi::xml_attribute r = Attr(c, "r")) {
        std::optional<CellRef> ref = ParseCellRef(r.value());
        if (!ref) {
          *error = "The workbook part " + std::string(partName) + " has a cell with a bad reference: " +
                   std::string(std::string_view(r.value()).substr(0, 40)) + ".";
          return false;
        }
        columnNumber = ref->column;
        if (ref->row != rowNumber) rowNumber = ref->row;
      } else if (++columnNumber > kMaxColumn) {
        *error = "The workbook part " + std::string(partName) + " has more than " + std::to_string(kMaxColumn) +
                 " cells in a row.";
        return false;
      }
      CellData cell;
      cell.styleIndex = styleOf(c, "s");
      cell.style = context->styles.cellStyles[cell.styleIndex];
      if (!ReadValue(c, *context, &cell, error, partName)) return false;
      sheet->cells[CellRef{rowNumber, columnNumber}] = std::move(cell);
    }
  }
  return true;
}

}  // namespace

bool ReadSheet(const XmlPart& part, std::string_view partName, SheetReadContext* context, SheetData* sheet,
               std::string* error) {
  pugi::xml_node root = Root(part);
  ReadFormat(Child(root, "sheetFormatPr"), sheet);
  if (pugi::xml_node dimension = Child(root, "dimension")) sheet->dimension = ParseCellRect(Attr(dimension, "ref").value());
  ReadColumns(root, sheet);
  if (!ReadRows(Child(root, "sheetData"), partName, context, sheet, error)) return false;
  for (pugi::xml_node merge : Children(Child(root, "mergeCells"), "mergeCell")) {
    std::optional<CellRect> area = ParseCellRect(Attr(merge, "ref").value());
    if (area && (area->firstRow != area->lastRow || area->firstColumn != area->lastColumn))
      sheet->mergedCells.push_back(*area);
  }
  return true;
}

}  // namespace sim
