#include "model/CQuorvelle.h"

#include "model/CellRecordConversion.h"

CQuorvelle::~CQuorvelle() { currentOptionSet = nullptr; }

bool CQuorvelle::AddCellToRow(CQuorvelleRow& row, const CCellRecord& record) {
  if (record.String(kCellAddress).empty()) return false;
  // Every range of one transfer is drawn with the options read for it; its cells'
  // sizes and styles are read with the same.
  row.Cells.push_back(ReadCellRecord(record, currentOptionSet ? *currentOptionSet : Setup));
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
