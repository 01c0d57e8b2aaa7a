#include "model/RowAssembly.h"

#include "model/CQuorvelle.h"

void CRowAssembly::Start(int perRow) {
  rowInProgress.Cells.clear();
  cellsInRow = 0;
  cellsPerRow = perRow;
}

bool CRowAssembly::Receive(CQuorvelle& table, const void* data, size_t size) {
  std::optional<CCellRecord> record = CCellRecord::FromMessage(data, size);
  if (!record) return false;
  table.AddCellToRow(rowInProgress, *record);
  ++cellsInRow;
  if (cellsInRow >= cellsPerRow) {
    table.CompleteRow(rowInProgress, *record);
    cellsInRow = 0;
  }
  return true;
}
