#include "output/TextSpill.h"

#include "model/CAutoCell.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "settings/QuorvelleSetup.h"

namespace {

// Only a text left on one line may run over its neighbours; filled, justified and
// distributed texts stay in their cells, as do the texts of merged areas.
bool MaySpill(const CAutoCell& cell) {
  if (!cell.HasText() || cell.WrapText || cell.Orientation != xlHorizontal || cell.IsMerged()) return false;
  const int a = cell.HorizontalAlignment;
  return a == xlGeneral || a == xlLeft || a == xlRight || a == xlCenter;
}

bool SpillsRight(const CAutoCell& cell) { return cell.HorizontalAlignment != xlRight; }
bool SpillsLeft(const CAutoCell& cell) {
  return cell.HorizontalAlignment == xlRight || cell.HorizontalAlignment == xlCenter;
}

// A cell that holds nothing a text could be drawn over.
bool IsOpen(const CAutoCell& cell) { return !cell.HasText() && !cell.IsMerged(); }

// How far the cell's text (its first line) reaches past the side of the cell it
// spills to; 0 or less when it fits.
double Overhang(const CAutoCell& cell) {
  const QuorvelleSetup& setup = *currentOptionSet;
  const TextSizeParam size = CellTextSize(cell.Font, setup);
  const TextParamWide params = CellTextParams(cell, size);
  const std::u16string_view text = *cell.Text;
  const double width = CQVUtiMStation::MeasureTextWidth(text.substr(0, text.find(u'\n')), size, params);
  if (cell.HorizontalAlignment == xlCenter) return (width - cell.LayoutWidth) / 2;
  return width + setup.LeftMargin + cell.IndentLevel * setup.indentWidth - cell.LayoutWidth;
}

}  // namespace

std::vector<CTextSpill> RowTextSpills(const std::vector<CAutoCell>& cells) {
  std::vector<CTextSpill> spills(cells.size());
  // Each run of open cells between two cells: the text before it may take it from the
  // left, the text after it from the right.
  size_t i = 0;
  while (i < cells.size()) {
    if (!IsOpen(cells[i])) {
      ++i;
      continue;
    }
    const size_t first = i;
    while (i < cells.size() && IsOpen(cells[i])) ++i;
    const size_t end = i;  // one past the run
    const bool fromLeft = first > 0 && MaySpill(cells[first - 1]) && SpillsRight(cells[first - 1]);
    const bool fromRight = end < cells.size() && MaySpill(cells[end]) && SpillsLeft(cells[end]);
    double total = 0;
    for (size_t j = first; j < end; ++j) total += cells[j].Width;
    // Wanted from both sides: the text on the left takes the whole cells it reaches
    // into, the text on the right the rest.
    double leftShare = total;
    if (fromLeft && fromRight) {
      const double wanted = Overhang(cells[first - 1]);
      leftShare = 0;
      for (size_t j = first; j < end && leftShare < wanted; ++j) leftShare += cells[j].Width;
    }
    if (fromLeft) spills[first - 1].right = leftShare;
    if (fromRight) spills[end].left = total - (fromLeft ? leftShare : 0);
  }
  return spills;
}
