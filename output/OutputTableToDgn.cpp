#include "host/msmodel.h"
#include "host/msoutput.h"
#include "model/CQuorvelle.h"
#include "model/LayoutPasses.h"
#include "output/CQVUtiMStation.h"
#include "output/MasterUnitsScope.h"
#include "output/OptionSetInForce.h"
#include "output/OutputTexts.h"
#include "output/SplitRowsIntoColumns.h"
#include "platform/wintypes.h"
#include "settings/PrepareFontMap.h"
#include "support/Breadcrumbs.h"

namespace {

void Step(int step) { RecordStep(kOutputOperationName, step); }

}  // namespace

int CQVUtiMStation::OutputTableToDgn(CQuorvelle& table, MSElementDescr*& cellDscr, const DPoint3d* origin,
                                     EFuncState mode) {
  Step(1);
  if (!table.HasContents() || !cellDscr) return 0;
  COptionSetInForce setup(table);

  Step(2);
  PrepareFontMap(*setup, mode);

  Step(3);
  ApplyCentreAcrossSelection(table);
  NormaliseMergedCells(table);

  Step(4);
  if (setup->CellScaleOpt == 2) {
    ChangeColumnWidths(table, setup->ColumnWidths);
    ChangeRowHeights(table, setup->RowHeights, *setup);
  }

  Step(5);
  if (setup->FontScaleOpt == 2) ChangeFontHeights(table, setup->FontSizes, *setup);

  Step(6);
  SplitRowsIntoColumns(table, *setup);

  int result = 1;
  {
    Step(7);
    // The drawers work in master units.
    CMasterUnitsScope masterUnits;

    Step(8);
    OutputTableTextAndBK(table, cellDscr);
    DrawBorders(table, cellDscr);
    DrawObjects(table, cellDscr);

    Step(9);
    if (origin && !HasSomethingToPlace(table, cellDscr)) {
      // A table cell without members or pictures is no table: it is not placed.
      mdlElmdscr_freeAll(&cellDscr);
      result = 0;
    } else if (origin) {
      if (!PlaceTableCell(table, cellDscr, *origin, setup->tableScale)) result = 0;
    } else {
      mdlOutput_prompt(kOutputPromptTableOrigin);
    }

    Step(10);
  }
  return result;
}
