#include "sim/excel/xlsx/WorkbookData.h"

#include <algorithm>

#include "sim/platform/TextCase.h"

namespace sim {

const std::string& CellData::Text() const {
  static const std::string kNone;
  return text ? text->text : kNone;
}

const std::string& CellData::NumberFormat() const {
  static const std::string kGeneral = "General";
  return style ? style->numberFormat : kGeneral;
}

const CellData* FindCell(const CellMap& cells, int row, int column) {
  auto found = cells.find(CellRef{row, column});
  return found == cells.end() ? nullptr : &found->second;
}

const CellData* SheetData::FindCell(int row, int column) const { return sim::FindCell(cells, row, column); }

std::optional<CellRect> SheetData::UsedRange() const { return dimension ? dimension : cellSpan; }

const CellRect* SheetData::MergedAreaAt(int row, int column) const {
  for (const CellRect& area : mergedCells)
    if (area.Contains(row, column)) return &area;
  return nullptr;
}

const ColumnData* SheetData::FindColumn(int column) const {
  auto after = std::upper_bound(columns.begin(), columns.end(), column,
                                [](int c, const ColumnData& entry) { return c < entry.first; });
  if (after == columns.begin()) return nullptr;
  const ColumnData& entry = *(after - 1);
  return column <= entry.last ? &entry : nullptr;
}

const SheetData* WorkbookData::FindSheet(std::string_view name) const {
  for (const SheetData& sheet : sheets)
    if (EqualsIgnoringCase(sheet.name, name)) return &sheet;
  return nullptr;
}

}  // namespace sim
