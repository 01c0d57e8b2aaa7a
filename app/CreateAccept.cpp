// The data points of the create command: the table follows the cursor until a data
// point places it; in split mode two points give the corners of the first two
// columns; further ranges of one transfer are placed one after another.
#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "app/TableCell.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "output/CQVUtiMStation.h"
#include "support/Breadcrumbs.h"

namespace {

constexpr char kOperation[] = "CAcadFunc::CreateQuorvelle_Accept";

DPoint3d ToMaster(const DPoint3d& p) {
  DgnModelRefP model = mdlModelRef_getActive();
  DPoint3d m;
  mdlCnv_uorsToMasterUnits(&m.x, p.x, model);
  mdlCnv_uorsToMasterUnits(&m.y, p.y, model);
  mdlCnv_uorsToMasterUnits(&m.z, p.z, model);
  return m;
}

// The transform that shows or places the pending cell at a point (storage units).
Transform PlacementAt(const DPoint3d& point) {
  double k = currentOptionSet ? currentOptionSet->PlacementScale() : 1.0;
  Transform t;
  mdlTMatrix_fromRMatrix(&t, currentOptionSet ? &currentOptionSet->rotation : &moduleTable.Setup.rotation);
  mdlTMatrix_scale(&t, &t, k, k, 1);
  mdlTMatrix_setTranslation(&t, &point);
  return t;
}

void SplitPoint(const DPoint3d& point) {
  QuorvelleSetup& setup = *currentOptionSet;
  if (setup.splitPickCount == 0) {
    setup.firstColumnOrigin = ToMaster(point);
    setup.splitPickCount = 1;
    mdlOutput_prompt(kPromptSecondCorner);
    return;
  }
  setup.secondColumnOrigin = ToMaster(point);
  if (pendingTableCell) {
    RecordStep(kOperation, 1);
    // Written on a copy: a header that cannot hold the properties keeps none of them.
    MSElement header = pendingTableCell->el;
    if (SaveTableProperties(&header) == SUCCESS)
      pendingTableCell->el = std::move(header);
    else
      mdlOutput_error(kTablePropertiesNotWritten);
    DPoint3d origin = setup.firstColumnOrigin;
    CQVUtiMStation::OutputTableToDgn(moduleTable, pendingTableCell, &origin, FuncState);
    RecordStep(kOperation, 2);
  }
  CleanUpAndEnd();
}

// The next range of the transfer that holds something to draw becomes the pending
// cell; the command ends when none is left.
void PrepareNextTable() {
  while (signalWindow && !signalWindow->furtherTables.empty()) {
    std::unique_ptr<CQuorvelle> next = std::move(signalWindow->furtherTables.front());
    signalWindow->furtherTables.erase(signalWindow->furtherTables.begin());
    xlslinkinfo link;
    link.Path = listImportMode ? next->WorkbookPath : signalWindow->linkInfo.Path;
    link.Worksheet = next->SheetName;
    link.Range = next->RangeAddress;
    ReadWorkbookSaveTime(link);
    MSElement header = MakeTableHeader(link, true);
    mdlElmdscr_new(&pendingTableCell, nullptr, &header);
    CQVUtiMStation::OutputTableToDgn(*next, pendingTableCell, nullptr, FuncState);
    const bool placeable = CQVUtiMStation::HasSomethingToPlace(*next, pendingTableCell);
    signalWindow->placedTables.push_back(std::move(next));
    if (placeable) return;
    mdlElmdscr_freeAll(&pendingTableCell);
    mdlOutput_error(kNothingToDraw);
  }
  CleanUpAndEnd();
}

}  // namespace

void CreateDynamics(DPoint3d* point, int, int drawMode) {
  if (!pendingTableCell || !point) return;
  Transform t = PlacementAt(*point);
  MSElementDescr* copy = nullptr;
  mdlElmdscr_duplicate(&copy, pendingTableCell);
  mdlElmdscr_transform(copy, &t);
  mdlElmdscr_display(copy, mdlModelRef_getActive(), drawMode);
  mdlElmdscr_freeAll(&copy);
}

// A failure while placing a table or preparing the next one ends the command: the
// host must never see it, and the user is not left with a cell that cannot be placed.
int CAcadFunc::CreateQuorvelle_Accept(DPoint3d* point, int) {
  RunGuarded({kOperation, kCreateAcceptFailed, false, CleanUpAndEnd}, [point] {
    operationName = kOperation;
    if (!point) return;
    if (currentOptionSet && currentOptionSet->SplitRowsToColumns) {
      SplitPoint(*point);
      return;
    }
    if (!pendingTableCell) return;
    CQuorvelle& placed = signalWindow && !signalWindow->placedTables.empty() ? *signalWindow->placedTables.back()
                                                                              : moduleTable;
    CQVUtiMStation::PlaceAtDataPoint(placed, pendingTableCell, *point);
    PrepareNextTable();
  });
  return 1;
}
