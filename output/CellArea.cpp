#include <string>

#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/DoubleBorders.h"
#include "support/TextCompare.h"

namespace {

// The size a cell's area covers: its own, the merged area's for the top-left cell
// of a merged area (whose address comes before the colon of the area's), none for
// the other cells of the area.
bool AreaSize(const CAutoCell& cell, double* width, double* height) {
  if (EqualsNoCase(cell.MergeAddress, cell.Address)) {
    *width = cell.Width;
    *height = cell.Height;
    return true;
  }
  const size_t at = cell.MergeAddress.find(cell.Address);
  const size_t colon = cell.MergeAddress.find(':');
  if (at == std::string::npos || (colon != std::string::npos && colon < at)) return false;
  *width = cell.LayoutWidth;
  *height = cell.LayoutHeight;
  return true;
}

}  // namespace

std::optional<std::array<DPoint3d, 5>> CQVUtiMStation::CellArea(const CAutoCell& cell) {
  double w = 0, h = 0;
  if (!AreaSize(cell, &w, &h)) return std::nullopt;

  const double left = cell.Left, top = -cell.Top;
  std::array<DPoint3d, 5> p{{{left, top, 0}, {left + w, top, 0}, {left + w, top - h, 0}, {left, top - h, 0}, {}}};
  const double g = HalfDoubleLineGap();
  const CAutoBorders& borders = cell.Borders;
  if (IsDoubleEdge(borders, kEdgeTop)) p[0].y = p[1].y = top + g;
  if (IsDoubleEdge(borders, kEdgeBottom)) p[2].y = p[3].y = top - h - g;
  if (IsDoubleEdge(borders, kEdgeLeft)) p[0].x = p[3].x = left - g;
  if (IsDoubleEdge(borders, kEdgeRight)) p[1].x = p[2].x = left + w + g;
  p[4] = p[0];
  return p;
}
