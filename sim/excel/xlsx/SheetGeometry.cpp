#include "sim/excel/xlsx/SheetGeometry.h"

#include <algorithm>
#include <cmath>

#include "sim/excel/xlsx/DigitWidth.h"

namespace sim {
namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;

}  // namespace

int ColumnWidthPixels(double storedWidth, int maxDigitWidth) {
  if (storedWidth <= 0) return 0;
  double pixels = (256 * storedWidth + std::trunc(128.0 / maxDigitWidth)) / 256 * maxDigitWidth;
  return static_cast<int>(std::trunc(pixels));
}

double StoredColumnWidth(double characters, int maxDigitWidth) {
  return std::trunc((characters * maxDigitWidth + 5) / maxDigitWidth * 256) / 256;
}

int DefaultColumnPixels(int baseColWidth, int maxDigitWidth) {
  int pixels = baseColWidth * maxDigitWidth + 5;
  return (pixels + 7) / 8 * 8;
}

CSheetGeometry::CSheetGeometry(const SheetData& sheet, int maxDigitWidth)
    : sheet_(sheet), maxDigitWidth_(std::max(1, maxDigitWidth)) {
  defaultColumnPixels_ = sheet.defaultColWidth ? ColumnWidthPixels(*sheet.defaultColWidth, maxDigitWidth_)
                                               : DefaultColumnPixels(sheet.baseColWidth, maxDigitWidth_);
  defaultRowHeight_ = sheet.zeroHeight ? 0 : sheet.defaultRowHeight;
  int lastColumn = sheet.columns.empty() ? 0 : sheet.columns.back().last;
  columnLefts_.assign(1, 0);
  for (int column = 1; column <= lastColumn; ++column) columnLefts_.push_back(columnLefts_.back() + ColumnPixels(column));
  double offset = 0;
  for (const auto& [row, data] : sheet.rows) {
    offset += RowHeight(row) - defaultRowHeight_;
    rowOffsets_.emplace_back(row, offset);
  }
}

CSheetGeometry CSheetGeometry::Of(const WorkbookData& book, const SheetData& sheet) {
  return CSheetGeometry(sheet, sim::MaxDigitWidth(book.defaultFont.name, book.defaultFont.size));
}

int CSheetGeometry::ColumnPixels(int column) const {
  const ColumnData* entry = sheet_.FindColumn(column);
  if (!entry) return defaultColumnPixels_;
  if (entry->hidden) return 0;
  return entry->width ? ColumnWidthPixels(*entry->width, maxDigitWidth_) : defaultColumnPixels_;
}

double CSheetGeometry::ColumnWidth(int column) const { return ColumnPixels(column) * kPointsPerPixel; }

double CSheetGeometry::RowHeight(int row) const {
  auto found = sheet_.rows.find(row);
  if (found == sheet_.rows.end()) return defaultRowHeight_;
  if (found->second.hidden) return 0;
  return found->second.height.value_or(sheet_.defaultRowHeight);
}

long long CSheetGeometry::LeftPixels(int column) const {
  int known = static_cast<int>(columnLefts_.size());  // columns 1..known-1 measured
  if (column <= known) return columnLefts_[std::max(column, 1) - 1];
  return columnLefts_.back() + static_cast<long long>(column - known) * defaultColumnPixels_;
}

double CSheetGeometry::TopPoints(int row) const {
  // Rows before this one with their own heights shift it from the default grid.
  auto before = std::lower_bound(rowOffsets_.begin(), rowOffsets_.end(), row,
                                 [](const std::pair<int, double>& entry, int r) { return entry.first < r; });
  double offset = before == rowOffsets_.begin() ? 0 : (before - 1)->second;
  return (std::max(row, 1) - 1) * defaultRowHeight_ + offset;
}

double CSheetGeometry::ColumnsWidth(int first, int last) const {
  return static_cast<double>(ColumnsPixels(first, last)) * kPointsPerPixel;
}

long long CSheetGeometry::ColumnsPixels(int first, int last) const {
  if (last < first) return 0;
  return LeftPixels(last + 1) - LeftPixels(first);
}

double CSheetGeometry::RowsHeight(int first, int last) const {
  if (last < first) return 0;
  return TopPoints(last + 1) - TopPoints(first);
}

CellBox CSheetGeometry::CellBoxIn(const CellRect& range, int row, int column) const {
  return AreaBoxIn(range, CellRect{row, column, row, column});
}

CellBox CSheetGeometry::AreaBoxIn(const CellRect& range, const CellRect& area) const {
  CellBox box;
  box.left = static_cast<double>(LeftPixels(area.firstColumn) - LeftPixels(range.firstColumn)) * kPointsPerPixel;
  box.top = TopPoints(area.firstRow) - TopPoints(range.firstRow);
  box.width = ColumnsWidth(area.firstColumn, area.lastColumn);
  box.height = RowsHeight(area.firstRow, area.lastRow);
  return box;
}

}  // namespace sim
