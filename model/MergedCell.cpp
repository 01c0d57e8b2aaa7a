#include "model/MergedCell.h"

#include <string>

#include "model/AbsoluteAddress.h"
#include "model/CAutoCell.h"

void NormaliseMergedCell(CAutoCell& cell) {
  if (cell.MergeAddress.empty() || cell.Address.empty() || cell.MergeAddress == cell.Address) return;

  std::string topLeft, bottomRight;
  size_t colon = cell.MergeAddress.find(':');
  if (colon != std::string::npos) {
    topLeft = cell.MergeAddress.substr(0, colon);
    bottomRight = cell.MergeAddress.substr(colon + 1);
  }
  if (topLeft != cell.Address) cell.RemoveText();

  int firstRow, firstColumn, lastRow, lastColumn, row, column;
  if (topLeft.empty() || bottomRight.empty() || !ParseAbsoluteAddress(topLeft, &firstRow, &firstColumn) ||
      !ParseAbsoluteAddress(bottomRight, &lastRow, &lastColumn) || !ParseAbsoluteAddress(cell.Address, &row, &column))
    return;

  auto& edges = cell.Borders.Edges;
  if (row != firstRow) edges[kEdgeTop].StyleName.clear();
  if (row != lastRow) edges[kEdgeBottom].StyleName.clear();
  if (column != firstColumn) edges[kEdgeLeft].StyleName.clear();
  if (column != lastColumn) edges[kEdgeRight].StyleName.clear();
  if (row != firstRow || column != firstColumn) {
    edges[kEdgeDiagonalDown].StyleName.clear();
    edges[kEdgeDiagonalUp].StyleName.clear();
  }
}
