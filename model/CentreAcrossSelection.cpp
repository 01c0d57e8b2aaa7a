#include <string>
#include <vector>

#include "model/CQuorvelle.h"
#include "model/ExcelConstants.h"
#include "model/LayoutPasses.h"

namespace {

// A run starts at an unmerged centre-across cell with text and takes in the empty
// unmerged centre-across cells after it; any other cell ends it.
enum class Mark { TextCell, EmptyCell, Other };

Mark MarkOf(const CAutoCell& cell) {
  if (cell.IsMerged() || cell.HorizontalAlignment != xlCenterAcrossSelection) return Mark::Other;
  return cell.HasText() ? Mark::TextCell : Mark::EmptyCell;
}

void ApplyToRow(std::vector<CAutoCell>& cells) {
  std::vector<Mark> marks;
  for (CAutoCell& cell : cells) {
    marks.push_back(MarkOf(cell));
    if (marks.back() == Mark::TextCell) cell.HorizontalAlignment = xlCenter;
  }
  size_t runStart = 0;
  for (size_t j = 0; j + 1 < cells.size(); ++j) {
    if (marks[j] != Mark::TextCell || marks[j + 1] != Mark::EmptyCell) continue;
    CAutoCell& last = cells[j];
    CAutoCell& next = cells[j + 1];
    if (!last.IsMerged()) runStart = j;
    const std::string area = cells[runStart].Address + ":" + next.Address;
    const double width = (last.IsMerged() ? last.LayoutWidth : last.Width) + next.Width;
    for (size_t i = runStart; i <= j + 1; ++i) {
      cells[i].MergeAddress = area;
      cells[i].LayoutWidth = width;
    }
    // The text stays in the first cell, centred over the whole run; the cell strings
    // of the cells taken in go.
    next.RemoveText();
    marks[j + 1] = Mark::TextCell;
  }
}

}  // namespace

int ApplyCentreAcrossSelection(CQuorvelle& table) {
  for (CQuorvelleRow& row : table.Rows) ApplyToRow(row.Cells);
  return table.RowCount();
}
