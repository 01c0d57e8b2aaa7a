// The cells of a range of a workbook read from its file, described field by field as
// the add-in reads them from Excel's Range object: positions and sizes in points from
// the range's top-left corner, Excel's enumeration values, colours as Excel RGB
// values, the displayed text and the runs of rich text.
//
// The choices Excel leaves to the add-in:
// - An edge's priority is 1 when the border comes from the cell's own format and 0
//   when the cell has none there and Excel reports the adjacent edge of the
//   neighbouring cell, so that on a shared line the cell that owns the border wins.
// - TextInfo1 carries the cell's number format code, TextInfo2 its value as text
//   (numbers in their shortest exact form, TRUE or FALSE, texts and errors as they
//   are); both are empty for an empty cell.
// - A rich text whose run description does not fit its slot, or whose displayed text
//   is not the text itself, is sent without runs.
// - The font colour is the one the cell shows: a number format's colour section
//   ([Red]) takes the place of the font's colour.
#pragma once

#include <string>
#include <vector>

#include "sim/addin/CellRecordEncoder.h"
#include "sim/excel/xlsx/SheetGeometry.h"
#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

class CRangeRecords {
 public:
  // The range lies on the sheet, within Excel's grid; `cells` are the sheet's cells
  // of the range and of the rows and columns around it (ReadSheetCells). The
  // workbook and the cells outlive this.
  CRangeRecords(const WorkbookData& book, int sheetIndex, const CellRect& range, const CellMap& cells);

  const CellRect& Range() const { return range_; }
  int CellsPerRow() const { return range_.lastColumn - range_.firstColumn + 1; }
  // A cell of the range by its row and column on the sheet. A cell in a hidden row or
  // column is a placeholder: no address, only the range's address and sheet name.
  CellDescription Describe(int row, int column) const;

 private:
  const CellStyle& StyleAt(int row, int column) const;
  const CellRect* MergedAreaAt(int row, int column) const;
  // cellPixels: the width of the cell's column, or of its merged area.
  void DescribeFormat(const CellData* data, const CellStyle& style, long long cellPixels, CellDescription& cell) const;
  void DescribeBorders(int row, int column, const CellStyle& style, CellDescription& cell) const;

  const WorkbookData& book_;
  const SheetData& sheet_;
  const CellMap& cells_;
  CellRect range_;
  CSheetGeometry geometry_;
  std::string rangeAddress_;
  std::vector<CellRect> mergedAreas_;  // the sheet's merged areas that reach into the range
};

}  // namespace sim
