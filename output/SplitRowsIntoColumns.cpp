#include "output/SplitRowsIntoColumns.h"

#include <cmath>

#include "model/CQuorvelle.h"
#include "settings/QuorvelleSetup.h"

void SplitRowsIntoColumns(CQuorvelle& table, const QuorvelleSetup& setup) {
  if (!setup.SplitRowsToColumns) return;
  const DPoint3d& first = setup.firstColumnOrigin;
  const DPoint3d& second = setup.secondColumnOrigin;
  const double width = std::fabs(second.x - first.x);
  const double height = std::fabs(second.y - first.y);
  if (width < 1e-6 || height < 1e-6) return;

  // The picked corners are in master units, the table in points.
  const double k = setup.PlacementScale();
  const double dx = width / k;
  const double h = height / k;

  // shift: how far up the rows of the current column have moved to start at its top.
  double shift = 0;
  int column = 0;
  CQuorvelleRow* above = nullptr;
  for (CQuorvelleRow& row : table.Rows) {
    if (row.Cells.empty()) continue;
    // The cells of a row share its top and height, so the row moves as one.
    const double top = row.Cells.front().Top;
    const double bottom = top + row.Cells.front().Height + shift;
    // A row that does not fit starts the next column; one taller than the column
    // fills a column of its own rather than leaving empty columns before it. The
    // first row stays in the first column however tall it is.
    if (above && std::floor(bottom / h) > column) {
      ++column;
      shift = column * h - top;
      for (CAutoCell& cell : above->Cells) cell.Borders.ColumnBreakAfter = 1;
    }
    for (CAutoCell& cell : row.Cells) {
      cell.Left += column * dx;
      cell.Top = cell.Top - column * h + shift;
    }
    above = &row;
  }
}
