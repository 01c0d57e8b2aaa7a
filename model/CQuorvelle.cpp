#include "model/CQuorvelle.h"

#include <cmath>

#include "host/msoutput.h"
#include "model/CellRecordConversion.h"
#include "model/ModelTexts.h"

CQuorvelle::~CQuorvelle() { currentOptionSet = nullptr; }

namespace {

// A place, size or font size no drawing can have: not a number, infinite, or negative.
bool CanBeDrawn(const CAutoCell& cell) {
  for (double v : {cell.Left, cell.Top, cell.Width, cell.Height, cell.LayoutWidth, cell.LayoutHeight, cell.Font.Size})
    if (!std::isfinite(v) || v < 0) return false;
  return true;
}

}  // namespace

bool CQuorvelle::AddCellToRow(CQuorvelleRow& row, const CCellRecord& record) {
  const std::string address = record.String(kCellAddress);
  if (address.empty()) return false;
  // Every range of one transfer is drawn with the options read for it; its cells'
  // sizes and styles are read with the same.
  CAutoCell cell = ReadCellRecord(record, currentOptionSet ? *currentOptionSet : Setup);
  if (!CanBeDrawn(cell)) {
    mdlOutput_printf(MSG_MESSAGE, kCellCannotBeDrawn, address.c_str());
    return false;
  }
  row.Cells.push_back(std::move(cell));
  return true;
}

void CQuorvelle::CompleteRow(CQuorvelleRow& row, const CCellRecord& record) {
  if (!row.Cells.empty()) {
    // A large table keeps every cell of every row: no room to spare in each.
    row.Cells.shrink_to_fit();
    Rows.push_back(std::move(row));
    RangeAddress = record.String(kRangeAddress);
    SheetName = record.String(kSheetName);
  }
  row.Cells.clear();
}

void CQuorvelle::AddShape(std::unique_ptr<CAutoShape> shape) {
  if (shape) Shapes.push_back(std::move(shape));
}

void CQuorvelle::Reset() {
  Shapes.clear();
  Rows.clear();
  ShapeTextCells.clear();
  Setup.ResetOptions();
  RangeAddress.clear();
  SheetName.clear();
  WorkbookPath.clear();
}
