#include "sim/excel/xlsx/XlsxSheet.h"

#include <algorithm>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxRanges.h"
#include "sim/excel/xlsx/XlsxStream.h"
#include "sim/excel/xlsx/XlsxText.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

constexpr double kMaxColumnWidth = 255;  // characters
constexpr double kMaxRowHeight = 409;    // points

void ReadFormat(pugi::xml_node format, SheetData* sheet) {
  if (std::optional<double> width = NumberAttr(format, "defaultColWidth"))
    sheet->defaultColWidth = std::clamp(*width, 0.0, kMaxColumnWidth);
  sheet->baseColWidth = static_cast<int>(IntAttr(format, "baseColWidth", 0, 255).value_or(8));
  if (std::optional<double> height = NumberAttr(format, "defaultRowHeight"))
    sheet->defaultRowHeight = std::clamp(*height, 0.0, kMaxRowHeight);
  sheet->zeroHeight = BoolAttr(format, "zeroHeight", false);
}

// Entries overlapping an earlier one are dropped, so that each column has one.
void DropOverlappingColumns(std::vector<ColumnData>* columns) {
  std::stable_sort(columns->begin(), columns->end(),
                   [](const ColumnData& a, const ColumnData& b) { return a.first < b.first; });
  std::vector<ColumnData> kept;
  for (const ColumnData& column : *columns)
    if (kept.empty() || column.first > kept.back().last) kept.push_back(column);
  *columns = std::move(kept);
}

void ReadColumn(pugi::xml_node col, std::vector<ColumnData>* columns) {
  std::optional<long long> first = IntAttr(col, "min", 1, kMaxColumn);
  std::optional<long long> last = IntAttr(col, "max", 1, kMaxColumn);
  if (!first || !last || *last < *first) return;
  ColumnData column;
  column.first = static_cast<int>(*first);
  column.last = static_cast<int>(*last);
  if (std::optional<double> width = NumberAttr(col, "width")) column.width = std::clamp(*width, 0.0, kMaxColumnWidth);
  column.customWidth = BoolAttr(col, "customWidth", false);
  column.hidden = BoolAttr(col, "hidden", false);
  column.styleIndex = static_cast<int>(IntAttr(col, "style", 0, 1LL << 31).value_or(0));
  columns->push_back(column);
  // A sheet has no more columns than the grid; a part that lists them over and over
  // is not let grow without end.
  if (columns->size() >= 4 * static_cast<std::size_t>(kMaxColumn)) DropOverlappingColumns(columns);
}

std::shared_ptr<const CellText> PlainText(std::string s) {
  auto t = std::make_shared<CellText>();
  t->text = std::move(s);
  return t;
}

class SheetVisitor : public XmlStreamVisitor {
 public:
  SheetVisitor(std::string_view partName, SheetReadContext* context, SheetData* sheet)
      : partName_(partName), context_(*context), sheet_(*sheet) {}

  Take Enter(int depth, std::string_view name, std::string*) override {
    switch (depth) {
      case 1:
        return Take::Descend;
      case 2:
        section_ = name;
        if (name == "sheetFormatPr" || name == "dimension" || name == "drawing") return Take::Whole;
        return name == "cols" || name == "sheetData" || name == "mergeCells" ? Take::Descend : Take::Ignore;
      case 3:
        if (section_ == "cols" && name == "col") return Take::Whole;
        if (section_ == "sheetData" && name == "row") return Take::Start;
        return section_ == "mergeCells" && name == "mergeCell" ? Take::Whole : Take::Ignore;
      case 4:
        return name == "c" ? Take::Whole : Take::Ignore;
      default:
        return Take::Ignore;
    }
  }

  bool Visit(pugi::xml_node element, int depth, std::string* error) override {
    if (depth == 4) return ReadCell(element, error);
    if (depth == 3 && section_ == "sheetData") return ReadRow(element, error);
    if (depth == 3 && section_ == "cols") {
      ReadColumn(element, &sheet_.columns);
    } else if (depth == 3) {
      return ReadMerge(element, error);
    } else if (section_ == "sheetFormatPr") {
      ReadFormat(element, &sheet_);
    } else if (section_ == "drawing") {
      sheet_.drawingId = Attr(element, "id").value();
    } else {
      sheet_.dimension = ParseCellRect(Attr(element, "ref").value());
    }
    return true;
  }

  void Leave(int depth, std::string_view) override {
    if (depth == 2) section_.clear();
  }

 private:
  std::string Part() const { return "The workbook part " + std::string(partName_); }

  bool CountRowFormatOrMerge(std::string* error) {
    if (++context_.rowFormatsAndMerges <= kMaxRowFormatsAndMerges) return true;
    *error = "The workbook has more than " + std::to_string(kMaxRowFormatsAndMerges) +
             " rows with a format of their own and merged areas.";
    return false;
  }

  // Rows and cells without a reference follow the one before.
  bool ReadRow(pugi::xml_node row, std::string* error) {
    if (pugi::xml_attribute r = Attr(row, "r")) {
      std::optional<long long> number = IntAttr(row, "r", 1, kMaxRow);
      if (!number) {
        *error = Part() + " has a row numbered " + std::string(std::string_view(r.value()).substr(0, 40)) +
                 ", outside the sheet.";
        return false;
      }
      rowNumber_ = static_cast<int>(*number);
    } else if (++rowNumber_ > kMaxRow) {
      *error = Part() + " has more than " + std::to_string(kMaxRow) + " rows.";
      return false;
    }
    columnNumber_ = 0;
    RowData rowData;
    if (std::optional<double> height = NumberAttr(row, "ht")) rowData.height = std::clamp(*height, 0.0, kMaxRowHeight);
    rowData.customHeight = BoolAttr(row, "customHeight", false);
    rowData.hidden = BoolAttr(row, "hidden", false);
    // With zeroHeight, rows are hidden unless listed: every listed row is kept.
    if (rowData.height || rowData.customHeight || rowData.hidden || sheet_.zeroHeight) {
      if (!sheet_.rows.contains(rowNumber_) && !CountRowFormatOrMerge(error)) return false;
      sheet_.rows[rowNumber_] = rowData;
    }
    return true;
  }

  bool ReadMerge(pugi::xml_node merge, std::string* error) {
    std::optional<CellRect> area = ParseCellRect(Attr(merge, "ref").value());
    if (!area || (area->firstRow == area->lastRow && area->firstColumn == area->lastColumn)) return true;
    if (!CountRowFormatOrMerge(error)) return false;
    sheet_.mergedCells.push_back(*area);
    return true;
  }

  bool ReadCell(pugi::xml_node c, std::string* error) {
    if (++context_.cellsRead > kMaxCells) {
      *error = "The workbook has more than " + std::to_string(kMaxCells) + " cells.";
      return false;
    }
    if (pugi::xml_attribute r = Attr(c, "r")) {
      std::optional<CellRef> ref = ParseCellRef(r.value());
      if (!ref) {
        *error = Part() + " has a cell with a bad reference: " + std::string(std::string_view(r.value()).substr(0, 40)) +
                 ".";
        return false;
      }
      columnNumber_ = ref->column;
      rowNumber_ = ref->row;
    } else if (++columnNumber_ > kMaxColumn) {
      *error = Part() + " has more than " + std::to_string(kMaxColumn) + " cells in a row.";
      return false;
    }
    if (!sheet_.cellSpan) sheet_.cellSpan = CellRect{rowNumber_, columnNumber_, rowNumber_, columnNumber_};
    CellRect& span = *sheet_.cellSpan;
    span.firstRow = std::min(span.firstRow, rowNumber_);
    span.lastRow = std::max(span.lastRow, rowNumber_);
    span.firstColumn = std::min(span.firstColumn, columnNumber_);
    span.lastColumn = std::max(span.lastColumn, columnNumber_);

    const bool keep = context_.keep.Keeps(rowNumber_, columnNumber_);
    CellData cell;
    long long styleIndex = IntAttr(c, "s", 0, 1LL << 31).value_or(0);
    cell.styleIndex = styleIndex < static_cast<long long>(context_.styles.cellStyles.size()) ? static_cast<int>(styleIndex) : 0;
    cell.style = context_.styles.cellStyles[static_cast<std::size_t>(cell.styleIndex)];
    std::optional<std::size_t> sharedIndex;
    if (!ReadValue(c, keep, &cell, &sharedIndex, error)) return false;
    if (!keep) return true;
    CellData& kept = sheet_.cells[CellRef{rowNumber_, columnNumber_}] = std::move(cell);
    if (sharedIndex) context_.sharedTexts.emplace_back(&kept, *sharedIndex);
    return true;
  }

  // Every value is checked; texts are made only for the cells kept. A shared string
  // is given by its index, for the caller to look up.
  bool ReadValue(pugi::xml_node c, bool keep, CellData* cell, std::optional<std::size_t>* sharedIndex,
                 std::string* error) {
    std::string_view type = Attr(c, "t") ? Attr(c, "t").value() : "n";
    pugi::xml_node v = Child(c, "v");
    std::string_view value = v ? v.child_value() : "";
    cell->hasFormula = static_cast<bool>(Child(c, "f"));
    if (type == "inlineStr") {
      cell->kind = CellValueKind::Text;
      if (keep) cell->text = ReadCellText(Child(c, "is"), context_.colors, context_.styles.defaultFont);
      return true;
    }
    if (!v || value.empty()) return true;  // a cell with a style only
    if (type == "s") {
      std::optional<double> index = ParseXmlNumber(value);
      if (!index || *index < 0 || *index >= static_cast<double>(context_.sharedStringCount)) {
        *error = Part() + " refers to shared string " + std::string(value.substr(0, 40)) + ", which does not exist.";
        return false;
      }
      cell->kind = CellValueKind::Text;
      *sharedIndex = static_cast<std::size_t>(*index);
    } else if (type == "str" || type == "d") {
      // A formula's text result; dates as text are rare enough to be kept as written.
      cell->kind = CellValueKind::Text;
      if (keep) cell->text = PlainText(DecodeEscapedText(value));
    } else if (type == "b") {
      cell->kind = CellValueKind::Boolean;
      cell->number = value == "1" || value == "true" ? 1 : 0;
    } else if (type == "e") {
      // Error texts Excel knows; anything else in an error cell is kept as written.
      cell->kind = CellValueKind::Error;
      if (keep) cell->text = PlainText(std::string(value));
    } else {
      std::optional<double> number = ParseXmlNumber(value);
      if (!number) {
        *error = Part() + " has a cell whose number is not a number: " + std::string(value.substr(0, 40)) + ".";
        return false;
      }
      cell->kind = CellValueKind::Number;
      cell->number = *number;
    }
    return true;
  }

  std::string_view partName_;
  SheetReadContext& context_;
  SheetData& sheet_;
  std::string section_;  // the child of the document element being read
  int rowNumber_ = 0;
  int columnNumber_ = 0;
};

}  // namespace

bool ReadSheet(CXlsxPackage& package, std::string_view partName, SheetReadContext* context, SheetData* sheet,
               std::string* error) {
  SheetVisitor visitor(partName, context, sheet);
  if (!StreamXmlPart(package, partName, visitor, error)) return false;
  DropOverlappingColumns(&sheet->columns);
  return true;
}

}  // namespace sim
