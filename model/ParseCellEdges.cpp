#include "model/AbsoluteAddress.h"
#include "model/BorderSteps.h"
#include "model/BorderTexts.h"
#include "model/CQuorvelle.h"

namespace {

// A cell's neighbours. Rows may differ in length, so a neighbour is looked up in its
// own row and counts as absent (no edges) when that row has no such cell.
struct CNeighbours {
  const CAutoCell* left = nullptr;
  const CAutoCell* right = nullptr;
  const CAutoCell* up = nullptr;
  const CAutoCell* down = nullptr;
};

const CAutoCell* CellAt(const CQuorvelle& table, size_t row, size_t column) {
  if (row >= table.Rows.size()) return nullptr;
  const auto& cells = table.Rows[row].Cells;
  return column < cells.size() ? &cells[column] : nullptr;
}

int Kind(const CAutoCell* cell, int edge) { return cell ? cell->Borders.Edges[edge].GetKind() : kEdgeKindNone; }

// Whether worksheet rows (or columns) lie between two cells that are neighbours in
// the table: they were hidden when the range was read.
bool HiddenBetween(const CAutoCell& before, const CAutoCell& cell, bool columns) {
  int beforeRow, beforeColumn, row, column;
  if (before.Address.empty() || cell.Address.empty() ||
      !ParseAbsoluteAddress(before.Address, &beforeRow, &beforeColumn) ||
      !ParseAbsoluteAddress(cell.Address, &row, &column))
    return false;
  return columns ? column - beforeColumn > 1 : row - beforeRow > 1;
}

void ParseCell(const CAutoCell& cell, const CNeighbours& n, int row, int column, double halfGap,
               CGridSegments& out) {
  CAutoBorder left = cell.Borders.Edges[kEdgeLeft];
  if (n.left && NeighbourEdgeTakesOver(n.left->Borders.Edges[kEdgeRight], left, HiddenBetween(*n.left, cell, true)))
    left = n.left->Borders.Edges[kEdgeRight];

  const double x = cell.Left, y = -cell.Top, bottom = -cell.Top - cell.Height, right = cell.Left + cell.Width;
  const int ownTop = Kind(&cell, kEdgeTop);
  AddEdgeSegments(left, {{x, y, 0}, {x, bottom, 0}, {0, -1, 0}, {-1, 0, 0}},
                  {Kind(n.left, kEdgeTop), ownTop, Kind(n.up, kEdgeLeft)},
                  {Kind(n.left, kEdgeBottom), Kind(&cell, kEdgeBottom), Kind(n.down, kEdgeLeft)}, halfGap,
                  0, row, column, out.vertical);

  CAutoBorder top = cell.Borders.Edges[kEdgeTop];
  if (n.up && NeighbourEdgeTakesOver(n.up->Borders.Edges[kEdgeBottom], top, HiddenBetween(*n.up, cell, false)))
    top = n.up->Borders.Edges[kEdgeBottom];

  // The ends of the top edge meet the left edge as it was taken over above.
  const CEdgeEndKinds topStart{Kind(n.up, kEdgeLeft), left.GetKind(), Kind(n.left, kEdgeTop)};
  const CEdgeEndKinds topEnd{Kind(n.up, kEdgeRight), Kind(&cell, kEdgeRight), Kind(n.right, kEdgeTop)};
  AddEdgeSegments(top, {{x, y, 0}, {right, y, 0}, {1, 0, 0}, {0, 1, 0}}, topStart, topEnd, halfGap, 0, row,
                  column, out.horizontal);

  // The row below starts the next column of a split table: this row's bottom line
  // closes its column, with the corners of the row's top line.
  if (cell.Borders.ColumnBreakAfter)
    AddEdgeSegments(cell.Borders.Edges[kEdgeBottom], {{x, bottom, 0}, {right, bottom, 0}, {1, 0, 0}, {0, 1, 0}},
                    topStart, topEnd, halfGap, kStrokeBreakOffset, row, column, out.horizontal);
}

}  // namespace

CGridSegments ParseCellEdges(const CQuorvelle& table, double halfGap, CProgress* progress) {
  long long total = 0;
  for (const CQuorvelleRow& row : table.Rows) total += static_cast<long long>(row.Cells.size());

  CGridSegments out;
  out.horizontal.reserve(static_cast<size_t>(total) + 1);
  out.vertical.reserve(static_cast<size_t>(total) + 1);
  long long count = 0;
  for (size_t i = 0; i < table.Rows.size(); ++i) {
    const auto& cells = table.Rows[i].Cells;
    for (size_t j = 0; j < cells.size(); ++j) {
      CNeighbours n;
      n.left = j > 0 ? &cells[j - 1] : nullptr;
      n.right = CellAt(table, i, j + 1);
      n.up = i > 0 ? CellAt(table, i - 1, j) : nullptr;
      n.down = CellAt(table, i + 1, j);
      ParseCell(cells[j], n, static_cast<int>(i), static_cast<int>(j), halfGap, out);
      ++count;
      if (progress) progress->ShowSteps(kBarParsingBorderEdges, count, total);
    }
  }
  return out;
}
