#include <map>

#include "model/CQuorvelle.h"
#include "model/LayoutEntries.h"
#include "model/LayoutPasses.h"
#include "model/ModelTexts.h"
#include "support/Breadcrumbs.h"
#include "support/CellAddress.h"

namespace {

void Step(int step) { RecordStep(kRowHeightsOperation, step); }

// The text margins as a share of the smallest row, so that small rows keep room for
// their texts.
constexpr double kMarginShare = 0.1618;

// The height of a merged area whose top row in the table is `row`: the rows it spans
// from there, as far as the table goes.
double AreaHeight(const CQuorvelle& table, int row, const std::string& area) {
  int firstRow = 0, lastRow = 0, column = 0;
  int span = 1;
  if (ParseRangeStart(area, &firstRow, &column) && ParseRangeEnd(area, &lastRow, &column) && lastRow >= firstRow)
    span = lastRow - firstRow + 1;
  double height = 0;
  for (int i = row; i < table.RowCount() && i < row + span; ++i)
    if (!table.Rows[i].Cells.empty()) height += table.Rows[i].Cells[0].Height;
  return height;
}

}  // namespace

void ChangeRowHeights(CQuorvelle& table, const std::string& text, QuorvelleSetup& setup) {
  Step(1);
  if (text.empty() || table.RowCount() == 0 || table.ColumnCount() == 0) return;
  const std::vector<double> heights = ParseDistances(text);
  if (heights.empty()) return;
  // Entries that keep their row (0, or not read) are no heights.
  double smallest = 0;
  for (double height : heights)
    if (height > kLeastSize && (smallest <= 0 || height < smallest)) smallest = height;

  Step(2);
  // Each row moves up by what the rows above it lost.
  double shift = 0;
  for (std::size_t i = 0; i < table.Rows.size(); ++i) {
    auto& cells = table.Rows[i].Cells;
    if (cells.empty()) continue;
    const double old = cells[0].Height;
    const double height = EntryOrKept(heights, i, old);
    for (CAutoCell& cell : cells) {
      cell.Height = height;
      cell.Top -= shift;
    }
    shift += old - height;
  }

  Step(3);
  std::map<std::string, double> areaHeights;
  for (int i = 0; i < table.RowCount(); ++i) {
    for (CAutoCell& cell : table.Rows[i].Cells) {
      if (StandsAlone(cell)) {
        cell.LayoutHeight = cell.Height;
        continue;
      }
      auto [area, added] = areaHeights.try_emplace(cell.MergeAddress, 0.0);
      if (added) area->second = AreaHeight(table, i, cell.MergeAddress);
      cell.LayoutHeight = area->second;
    }
  }

  Step(4);
  if (smallest > 0) setup.TopMargin = setup.LeftMargin = smallest * kMarginShare;
}
