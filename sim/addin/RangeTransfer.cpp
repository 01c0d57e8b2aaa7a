#include "sim/addin/RangeTransfer.h"

#include <algorithm>

#include "sim/addin/RangeRecords.h"
#include "sim/addin/RangeShapes.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/excel/xlsx/XlsxRanges.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

// The parts of a reference between commas that stand outside quoted sheet names.
std::vector<std::string_view> SplitAreas(std::string_view reference) {
  std::vector<std::string_view> parts;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < reference.size(); ++i) {
    if (reference[i] == '\'') quoted = !quoted;
    if (reference[i] == ',' && !quoted) {
      parts.push_back(reference.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(reference.substr(start));
  return parts;
}

// Whole rows or columns are as much of them as the sheet uses.
CellRect CutToUsedRange(const CellRect& area, const SheetData& sheet) {
  CellRect used = UsedRangeOrFirstCell(sheet);
  CellRect cut = area;
  if (area.firstRow == 1 && area.lastRow == kMaxRow) {
    cut.firstRow = used.firstRow;
    cut.lastRow = used.lastRow;
  }
  if (area.firstColumn == 1 && area.lastColumn == kMaxColumn) {
    cut.firstColumn = used.firstColumn;
    cut.lastColumn = used.lastColumn;
  }
  return cut;
}

// The typed values of the cells read, over what the file holds; a cell keeps its
// format, a new one takes the workbook's default.
void ApplyTypedValues(const WorkbookData& book, const TypedValues& typed, const CellRect& read, CellMap& cells) {
  for (const auto& [ref, text] : typed) {
    if (!read.Contains(ref.row, ref.column)) continue;
    if (text.empty()) {
      cells.erase(ref);
      continue;
    }
    CellData& cell = cells[ref];
    if (!cell.style) cell.style = book.styles.front();
    cell.hasFormula = false;
    cell.text.reset();
    if (const std::optional<double> number = ParseXmlNumber(text)) {
      cell.kind = CellValueKind::Number;
      cell.number = *number;
    } else {
      cell.kind = CellValueKind::Text;
      cell.text = std::make_shared<CellText>(CellText{text, {}});
    }
  }
}

std::size_t CellCount(const CellRect& area) {
  return static_cast<std::size_t>(area.lastRow - area.firstRow + 1) *
         static_cast<std::size_t>(area.lastColumn - area.firstColumn + 1);
}

}  // namespace

CellRect UsedRangeOrFirstCell(const SheetData& sheet) { return sheet.UsedRange().value_or(CellRect{}); }

bool ResolveTransferAreas(const WorkbookData& book, int sheetIndex, std::string_view reference,
                          std::vector<CellRect>* areas, std::string* error) {
  areas->clear();
  const SheetData& sheet = book.sheets.at(static_cast<std::size_t>(sheetIndex));
  std::size_t cells = 0;
  for (std::string_view part : SplitAreas(reference)) {
    std::optional<SheetRect> found = ResolveRange(book, sheetIndex, part);
    if (!found || found->sheetIndex != sheetIndex) {
      *error = "The range '" + std::string(reference) + "' is neither an address nor a name of a range on the sheet '" +
               sheet.name + "'.";
      return false;
    }
    areas->push_back(CutToUsedRange(found->rect, sheet));
    cells += CellCount(areas->back());
  }
  if (cells > kMaxTransferCells) {
    *error = "The range '" + std::string(reference) + "' holds " + std::to_string(cells) +
             " cells; the add-in sends at most " + std::to_string(kMaxTransferCells) + " cells at a time.";
    return false;
  }
  return true;
}

CellRect AreaWithNeighbours(const CellRect& area) {
  return CellRect{std::max(1, area.firstRow - 1), std::max(1, area.firstColumn - 1), std::min(kMaxRow, area.lastRow + 1),
                  std::min(kMaxColumn, area.lastColumn + 1)};
}

bool SendRange(const WorkbookData& book, int sheetIndex, const std::vector<CellRect>& areas,
               const std::string& workbookPath, AddinMessages& out, std::string* error, const TypedValues& typed) {
  // Every area's cells are read before anything is sent, so that a workbook that can
  // no longer be read sends no half a transfer.
  std::vector<CellMap> cells(areas.size());
  for (std::size_t i = 0; i < areas.size(); ++i) {
    if (!ReadSheetCells(book, sheetIndex, AreaWithNeighbours(areas[i]), &cells[i], error)) return false;
    ApplyTypedValues(book, typed, AreaWithNeighbours(areas[i]), cells[i]);
  }
  // The drawing objects' pictures are saved before anything is sent as well; what is
  // not sent is said before the first range, where the module takes messages.
  RangeShapes shapes = DescribeRangeShapes(book, sheetIndex, areas, workbookPath);
  out.Path(workbookPath);
  for (const std::string& message : shapes.messages) out.Message(message);
  std::vector<unsigned char> record;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    CRangeRecords records(book, sheetIndex, areas[i], cells[i]);
    out.Begin(records.CellsPerRow());
    for (int row = areas[i].firstRow; row <= areas[i].lastRow; ++row)
      for (int column = areas[i].firstColumn; column <= areas[i].lastColumn; ++column) {
        EncodeCellRecord(records.Describe(row, column), record);
        out.Record(record);
      }
    for (const ShapeDescription& shape : shapes.areas[i]) out.Record(EncodeShapeRecord(shape));
    out.End(i + 1 == areas.size() ? kEndFlagOutput : 0);
  }
  return true;
}

}  // namespace sim
