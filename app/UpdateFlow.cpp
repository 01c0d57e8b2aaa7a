// The update commands: tables of the selection set, a located table, or every table
// of the model redrawn from their workbooks in one Excel, each old cell deleted only
// once its replacement stands.
#include <string>
#include <vector>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Exports.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/ModuleStateScope.h"
#include "app/SignalDlg.h"
#include "app/TableCell.h"
#include "app/TableLocate.h"
#include "automation/ComError.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msscan.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "host/msview.h"
#include "output/LinkData.h"
#include "output/LinkTexts.h"
#include "output/WorkingView.h"
#include "platform/windows.h"
#include "settings/QuorvelleSetup.h"
#include "support/SupportTexts.h"

namespace {

// Where the selection update stands, for the title of a fault report.
std::string updateStep = "0";

int AcceptLocatedTable(DPoint3d* point, int view) {
  ModuleStateScope scope;
  return CAcadFunc::UpdateQuorvelle_Accept(point, view);
}

// The environment of an update and the Excel that serves it; false, with the user
// told and everything cleaned up, when either cannot be had.
bool PrepareUpdate() {
  if (!PrepareEnvironment(nullptr)) return false;
  mdlOutput_message(kPreparingUpdate);
  return LaunchSignalExcel();
}

// Redraws the table at the file position and deletes the old cell when the new one
// was placed; true then.
bool UpdateOne(ULong filePos, int checkUpToDate) {
  if (CAcadFunc::OperateQuorvelle(signalWindow->excelApp, filePos, checkUpToDate) != 1) return false;
  MSElement old;
  if (mdlElement_read(&old, mdlModelRef_getActive(), filePos) == SUCCESS)
    mdlElement_undoableDelete(&old, filePos, TRUE);
  return true;
}

}  // namespace

void CAcadFunc::UpdateQuorvelle_Start() {
  RunGuarded({"CAcadFunc::UpdateQuorvelle_Start", "Error raise in UpdateQuorvelle_Start"}, [] {
    if (mdlSelect_isActive()) {
      mdlOutput_prompt(kPromptUpdatingSelected);
      UpdateQuorvelle_Selected(0);
      return;
    }
    StartTableLocate("QUORVELLE UPDATE", AcceptLocatedTable);
  });
}

void CAcadFunc::UpdateQuorvelle_All() {
  RunGuarded({"CAcadFunc::UpdateQuorvelle_All", "Error raise in UpdateQuorvelle_All"}, [] {
    if (mdlSelect_allElements() != SUCCESS) {
      mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, kSelectAllFailed, MSGBOX_ICON_INFORMATION);
      return;
    }
    mdlOutput_prompt(kPromptUpdatingSelected);
    UpdateQuorvelle_Selected(0);
    mdlSelect_freeAll();
  });
}

void CAcadFunc::UpdateQuorvelle_Selected(int checkUpToDate) {
  CommandGuard guard{"CAcadFunc::UpdateQuorvelle_Selected", "Error raise in Quorvelle_Update_Accept", true,
                     CleanUpAndEnd, [] { return updateStep + ": Please send this error to " + kSupportAddress + "."; }};
  RunGuarded(guard, [checkUpToDate] {
    currentOptionSet = nullptr;
    workingView = tcbP->lstvw;
    updateStep = "0";
    FuncState = kFuncUpdate;
    std::vector<ULong> tables;
    for (int i = 0; i < mdlSelect_numSelected(); ++i) {
      ULong filePos = 0;
      DgnModelRefP model = nullptr;
      if (int failure = mdlSelect_getElement(i, &filePos, &model); failure != SUCCESS) {
        mdlOutput_printf(MSG_MESSAGE, kSelectFailed, failure);
        continue;
      }
      MSElement element;
      if (mdlElement_read(&element, model, filePos) == SUCCESS && IsQuorvelleCell(&element))
        tables.push_back(filePos);
      else
        mdlOutput_printf(MSG_MESSAGE, "%s", kNotATable);
    }
    if (tables.empty()) {
      mdlOutput_printf(MSG_MESSAGE, "%s", kNoTableIsFound);
      FuncState = kFuncCreate;
      mdlState_startDefaultCommand();
      return;
    }
    updateStep = "1";
    if (!PrepareUpdate()) return;
    updateStep = "2";
    signalWindow->excelApp->SetVisible(true);
    signalWindow->excelApp->SetScreenUpdating(false);
    updateStep = "3";
    int updated = 0;
    for (auto it = tables.rbegin(); it != tables.rend(); ++it)
      if (UpdateOne(*it, checkUpToDate)) {
        ++updated;
        mdlOutput_printf(MSG_MESSAGE, "%s", kUpdateDone);
      }
    updateStep = "4";
    if (signalWindow && signalWindow->excelApp) signalWindow->excelApp->SetScreenUpdating(true);
    mdlView_updateSingle(workingView);
    if (updated == 0) mdlOutput_printf(MSG_MESSAGE, "%s", kUpdateDone);
    mdlSelect_freeAll();
    updateStep = "5";
    SetForegroundWindow(mdlNativeWindow_getMainHandle(0));
    CleanUpEnvironment();
    updateStep = "6";
    mdlState_startDefaultCommand();
  });
}

int CAcadFunc::UpdateQuorvelle_Accept(DPoint3d*, int view) {
  RunGuarded({"CAcadFunc::UpdateQuorvelle_Accept", "Unknown error raise in Quorvelle_Update_Accept."}, [view] {
    currentOptionSet = nullptr;
    workingView = view;
    const ULong filePos = mdlElement_getFilePos(FILEPOS_CURRENT, nullptr);
    MSElement cell;
    if (mdlElement_read(&cell, mdlModelRef_getActive(), filePos) != SUCCESS) return;
    xlslinkinfo link;
    ReadXlsInfo(&cell, &link, false);
    if (!WorkbookOfLinkFound(link)) {
      CleanUpEnvironment();
      return;
    }
    FuncState = kFuncUpdate;
    if (!PrepareUpdate()) return;
    signalWindow->excelApp->SetVisible(true);
    signalWindow->excelApp->SetScreenUpdating(false);
    if (UpdateOne(filePos, 0)) mdlOutput_message(kUpdateDone);
    if (signalWindow && signalWindow->excelApp) signalWindow->excelApp->SetScreenUpdating(true);
    mdlView_updateSingle(workingView);
    CleanUpEnvironment();
    mdlState_startDefaultCommand();
  });
  return 1;
}
