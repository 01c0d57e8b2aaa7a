// The edit command: the located table's workbook opens in Excel at its range, and the
// range the user sends back replaces the table where it stands.

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "app/TableCell.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "output/LinkData.h"
#include "settings/SaveCurrentOptions.h"
#include "support/SupportTexts.h"

void CAcadFunc::EditQuorvelle_CallBack() {
  RunGuarded({"CAcadFunc::EditQuorvelle_CallBack", "Unknown error raise in Quorvelle_Edit_CallBack"}, [] {
    QuorvelleSetup& setup = moduleTable.Setup;
    currentOptionSet = &setup;
    const ULong filePos = mdlElement_getFilePos(FILEPOS_CURRENT, nullptr);
    MSElement cell;
    if (mdlElement_read(&cell, mdlModelRef_getActive(), filePos) != SUCCESS) {
      CleanUpAndEnd();
      return;
    }
    xlslinkinfo link;
    ReadXlsInfo(&cell, &link, true);
    TakePlacementOf(cell, setup);
    if (!WorkbookOfLinkFound(link)) {
      CleanUpAndEnd();
      return;
    }
    FuncState = kFuncEdit;
    if (!InitEnvironment(&moduleTable) || !signalWindow) {
      mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, kFailedToInitialize, MSGBOX_ICON_WARNING);
      CleanUpAndEnd();
      return;
    }
    setup.replacedTablePosition = static_cast<int>(filePos);
    SaveCurrentOptions(kFuncEdit, link.Range);
    signalWindow->OpenWorkbookInExcel(&link);
  });
}
