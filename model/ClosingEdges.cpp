#include "model/BorderSteps.h"
#include "model/CQuorvelle.h"

void AddClosingEdges(CQuorvelle& table) {
  for (CQuorvelleRow& row : table.Rows) {
    if (row.Cells.empty()) continue;
    CAutoCell closing;
    const CAutoCell& last = row.Cells.back();
    closing.Left = last.Left + last.Width;
    closing.Top = last.Top;
    closing.Height = last.Height;
    closing.Borders.Edges[kEdgeLeft] = last.Borders.Edges[kEdgeRight];
    // Room for one more cell, not for twice the row: every row of a large table
    // grows by one.
    row.Cells.reserve(row.Cells.size() + 1);
    row.Cells.push_back(std::move(closing));
  }

  CQuorvelleRow closingRow;
  closingRow.Cells.reserve(table.Rows.back().Cells.size());
  for (const CAutoCell& above : table.Rows.back().Cells) {
    CAutoCell closing;
    closing.Left = above.Left;
    closing.Width = above.Width;
    closing.Top = above.Top + above.Height;
    closing.Borders.Edges[kEdgeTop] = above.Borders.Edges[kEdgeBottom];
    closingRow.Cells.push_back(std::move(closing));
  }
  table.Rows.push_back(std::move(closingRow));
}
