#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/DiagonalLine.h"
#include "output/DoubleBorders.h"

int CQVUtiMStation::DrawDiagonalDown(const CAutoCell& cell, MSElementDescr* cellDscr) {
  const CAutoBorder& edge = cell.Borders.Edges[kEdgeDiagonalDown];
  if (edge.StyleName.empty()) return 0;

  // From the top-left corner to the bottom-right one, inside any double edge.
  DPoint3d start{cell.Left, -cell.Top, 0};
  DPoint3d end{cell.Left + cell.LayoutWidth, -cell.Top - cell.LayoutHeight, 0};
  const double g = HalfDoubleLineGap();
  if (IsDoubleEdge(cell.Borders, kEdgeLeft)) start.x += g;
  if (IsDoubleEdge(cell.Borders, kEdgeTop)) start.y -= g;
  if (IsDoubleEdge(cell.Borders, kEdgeRight)) end.x -= g;
  if (IsDoubleEdge(cell.Borders, kEdgeBottom)) end.y += g;
  return AppendDiagonalLine(edge, start, end, cellDscr);
}
