#include "model/BorderProcessing.h"
#include "model/CQuorvelle.h"

int ProcessBorders(CQuorvelle& table, std::vector<CAutoLine>&, MSDialog*) {
  return table.RowCount() > 0 && table.ColumnCount() > 0 ? 1 : 0;
}
