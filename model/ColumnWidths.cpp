#include "model/CQuorvelle.h"
#include "model/LayoutEntries.h"
#include "model/LayoutPasses.h"
#include "model/ModelTexts.h"
#include "support/Breadcrumbs.h"

namespace {

void Step(int step) { RecordStep(kColumnWidthsOperation, step); }

// Each cell of a merged run is as wide as the run, so that its text is laid out over
// the whole area; the cells of the run after its first keep theirs.
void SetLayoutWidths(std::vector<CAutoCell>& cells) {
  for (std::size_t j = 0; j < cells.size();) {
    CAutoCell& first = cells[j++];
    first.LayoutWidth = first.Width;
    if (StandsAlone(first)) continue;
    for (; j < cells.size() && cells[j].MergeAddress == first.MergeAddress; ++j) first.LayoutWidth += cells[j].Width;
  }
}

}  // namespace

void ChangeColumnWidths(CQuorvelle& table, const std::string& text) {
  Step(1);
  if (text.empty() || table.RowCount() == 0 || table.ColumnCount() == 0) return;
  const std::vector<double> widths = ParseDistances(text);
  if (widths.empty()) return;

  Step(2);
  // Each cell moves left by what the cells before it in its row lost.
  for (CQuorvelleRow& row : table.Rows) {
    double shift = 0;
    for (std::size_t j = 0; j < row.Cells.size(); ++j) {
      CAutoCell& cell = row.Cells[j];
      cell.Left -= shift;
      const double width = EntryOrKept(widths, j, cell.Width);
      shift += cell.Width - width;
      cell.Width = width;
    }
  }

  Step(3);
  for (CQuorvelleRow& row : table.Rows) SetLayoutWidths(row.Cells);
}
