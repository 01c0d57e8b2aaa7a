#include "model/CQuorvelle.h"
#include "model/LayoutPasses.h"
#include "model/MergedCell.h"

void NormaliseMergedCells(CQuorvelle& table) {
  if (table.RowCount() == 0 || table.ColumnCount() == 0) return;
  for (CQuorvelleRow& row : table.Rows)
    for (CAutoCell& cell : row.Cells) NormaliseMergedCell(cell);
}
