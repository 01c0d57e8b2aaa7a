#include "model/CAutoCell.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "settings/QuorvelleSetup.h"

namespace {

// Columns of the tables: left (any other alignment), centre, right. Rows: top (any
// other alignment), centre, bottom.
enum { kLeft, kCentre, kRight };
enum { kTop, kMiddle, kBottom };

constexpr int kHorizontalJust[3][3] = {
    {TXTJUST_LT, TXTJUST_LC, TXTJUST_LB},
    {TXTJUST_CT, TXTJUST_CC, TXTJUST_CB},
    {TXTJUST_RT, TXTJUST_RC, TXTJUST_RB},
};
// Turned with the text: upward text reads from the cell's bottom to its top, so the
// cell's left is the text's top and the cell's top its right; downward text the
// other way round.
constexpr int kUpwardJust[3][3] = {
    {TXTJUST_RT, TXTJUST_CT, TXTJUST_LT},
    {TXTJUST_RC, TXTJUST_CC, TXTJUST_LC},
    {TXTJUST_RB, TXTJUST_CB, TXTJUST_LB},
};
constexpr int kDownwardJust[3][3] = {
    {TXTJUST_LB, TXTJUST_CB, TXTJUST_RB},
    {TXTJUST_LC, TXTJUST_CC, TXTJUST_RC},
    {TXTJUST_LT, TXTJUST_CT, TXTJUST_RT},
};

int Column(const CAutoCell& cell) {
  return cell.HorizontalAlignment == xlRight ? kRight : cell.HorizontalAlignment == xlCenter ? kCentre : kLeft;
}

int Row(const CAutoCell& cell) {
  return cell.VerticalAlignment == xlBottom ? kBottom : cell.VerticalAlignment == xlCenter ? kMiddle : kTop;
}

// The justification point from the cell's top-left corner; the indent moves
// horizontal text only.
void MoveOrigin(DPoint3d& origin, const CAutoCell& cell, double indent) {
  const QuorvelleSetup& setup = *currentOptionSet;
  const double w = cell.LayoutWidth, h = cell.LayoutHeight;
  switch (Column(cell)) {
    case kRight: origin.x += w - setup.LeftMargin - indent; break;
    case kCentre: origin.x += w / 2; break;
    default: origin.x += setup.LeftMargin + indent; break;
  }
  switch (Row(cell)) {
    case kMiddle: origin.y -= h / 2; break;
    case kBottom: origin.y += -h + setup.TopMargin; break;
    default: origin.y -= setup.TopMargin; break;
  }
}

}  // namespace

void CQVUtiMStation::JustifyHorizontalText(const TextSizeParam& size, TextParamWide& params, DPoint3d& origin,
                                           const CAutoCell& cell) {
  params.lineSpacing = kLineSpacingRatio * size.height;
  params.just = kHorizontalJust[Column(cell)][Row(cell)];
  MoveOrigin(origin, cell, cell.IndentLevel * currentOptionSet->indentWidth);
}

void CQVUtiMStation::JustifyRotatedText(const TextSizeParam& size, TextParamWide& params, DPoint3d& origin,
                                        const CAutoCell& cell) {
  params.lineSpacing = kLineSpacingRatio * size.height;
  params.just = (cell.Orientation == xlUpward ? kUpwardJust : kDownwardJust)[Column(cell)][Row(cell)];
  MoveOrigin(origin, cell, 0.0);
}
