#include "model/BorderProcessing.h"
#include "model/BorderSteps.h"
#include "model/CQuorvelle.h"

int ProcessBorders(CQuorvelle& table, std::vector<CAutoLine>& segments, CProgress* progress) {
  if (table.RowCount() == 0 || table.ColumnCount() == 0) return 0;
  const QuorvelleSetup& setup = currentOptionSet ? *currentOptionSet : table.Setup;
  const double halfGap = setup.doubleLineGap / 2.0;

  AddClosingEdges(table);
  CGridSegments parsed = ParseCellEdges(table, halfGap, progress);
  JoinGridSegments(parsed, segments, progress);
  return 1;
}
