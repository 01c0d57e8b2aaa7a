// Sizes and positions on a sheet in points, as Excel reports them: column widths
// from the stored widths in characters of the default font's widest digit, row
// heights as stored, hidden columns and rows taking no room.
#pragma once

#include <utility>
#include <vector>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// A stored column width in characters made whole pixels for a maximum digit width.
int ColumnWidthPixels(double storedWidth, int maxDigitWidth);
// The stored width of a column that shows that many digits (padding included).
double StoredColumnWidth(double characters, int maxDigitWidth);
// The width a sheet's columns have when neither they nor the sheet say otherwise:
// baseColWidth digits and the padding, rounded up to a multiple of 8 pixels.
int DefaultColumnPixels(int baseColWidth, int maxDigitWidth);

struct CellBox {
  double left = 0;  // from the left edge of the range
  double top = 0;   // from the top edge of the range, downwards
  double width = 0;
  double height = 0;
};

class CSheetGeometry {
 public:
  // maxDigitWidth in pixels; see DigitWidth.h.
  CSheetGeometry(const SheetData& sheet, int maxDigitWidth);
  // The geometry of a sheet of the workbook, with its default font measured.
  static CSheetGeometry Of(const WorkbookData& book, const SheetData& sheet);

  int MaxDigitWidth() const { return maxDigitWidth_; }
  int ColumnPixels(int column) const;
  double ColumnWidth(int column) const;  // points
  double RowHeight(int row) const;       // points
  // The width of columns first..last (in points, or in pixels) and the height of rows
  // first..last; 0 when last < first.
  double ColumnsWidth(int first, int last) const;
  long long ColumnsPixels(int first, int last) const;
  double RowsHeight(int first, int last) const;
  // A cell's box, relative to the top-left corner of the range.
  CellBox CellBoxIn(const CellRect& range, int row, int column) const;
  // The box of an area (a merged area) relative to the range.
  CellBox AreaBoxIn(const CellRect& range, const CellRect& area) const;

 private:
  // Pixels of columns 1..column-1 (the left edge of the column from the sheet's).
  long long LeftPixels(int column) const;
  // Points of rows 1..row-1.
  double TopPoints(int row) const;

  const SheetData& sheet_;
  int maxDigitWidth_;
  int defaultColumnPixels_;
  double defaultRowHeight_;
  std::vector<long long> columnLefts_;                // left edges of columns 1..n+1 in pixels
  std::vector<std::pair<int, double>> rowOffsets_;    // row, sum of (height - default) of rows up to it
};

}  // namespace sim
