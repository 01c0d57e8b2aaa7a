// The import of several ranges in one run: the list composed in its dialog, each
// workbook opened once in a new Excel, each range sent by the add-in, and the tables
// received placed one after another at the points the user gives.
#include <cstdio>
#include <vector>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Exports.h"
#include "app/ImportMultiTablesDialog.h"
#include "app/ImportTexts.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "host/msview.h"
#include "output/LinkData.h"
#include "output/WorkingView.h"
#include "platform/msgbox.h"
#include "platform/windows.h"
#include "support/TextCompare.h"

namespace {

// The items the user chose to import, in list order; none when the dialog was left
// without Import.
std::vector<xlslinkinfo> ChooseItems(bool* chosen) {
  CImportMultiTablesDialog dialog(mdlNativeWindow_getMainHandle(0));
  *chosen = dialog.DoModal() == IDOK;
  std::vector<xlslinkinfo> items;
  for (const ImportItem& item : dialog.Items()) {
    xlslinkinfo link;
    link.Path = item.workbook;
    link.Worksheet = item.worksheet;
    link.Range = item.range;
    items.push_back(std::move(link));
  }
  return items;
}

void SayImporting(const xlslinkinfo& item) {
  mdlOutput_printf(MSG_MESSAGE, kImportingSheet, item.Path.c_str(), item.Worksheet.c_str());
  if (!item.Range.empty())
    mdlOutput_printf(MSG_MESSAGE, kImportingRange, item.Path.c_str(), item.Worksheet.c_str(), item.Range.c_str());
}

}  // namespace

int CAcadFunc::ImportMultiTables_Start() {
  ImportMultiTables_CallBack();
  return 1;
}

void CAcadFunc::ImportMultiTables_CallBack() {
  RunGuarded({"CAcadFunc::ImportMultiTables_CallBack", "Error raised in ImportMultiTables_CallBack", true,
              CleanUpAndEnd},
             [] {
    bool chosen = false;
    std::vector<xlslinkinfo> items = ChooseItems(&chosen);
    if (!chosen) return mdlState_startDefaultCommand();
    workingView = tcbP->lstvw;
    FuncState = kFuncCreate;
    mdlState_startPrimitive(Quorvelle_Create_Accept, Quorvelle_Reset, "QUORVELLE IMPORT", "");
    mdlState_setFunction(STATE_CLEANUP, Quorvelle_CleanUp);
    mdlState_setFunction(STATE_DYNAMICS, CreateDynamics);
    mdlAccuSnap_enableSnap(TRUE);
    currentOptionSet = &moduleTable.Setup;
    if (!PrepareEnvironment(&moduleTable)) return;
    listImportMode = 1;
    mdlOutput_message(kPreparingUpdate);
    if (!LaunchSignalExcel()) return;
    const ExcelApplicationPtr excel = signalWindow->excelApp;
    const std::size_t n = items.size();
    if (n > 0) {
      excel->SetVisible(true);
      excel->SetInteractive(false);
    }
    // The tables are placed once the last range arrived, not one by one.
    if (n > 1) signalWindow->noAutoOutput = 1;
    int imported = 0;
    bool lastImported = false;
    for (std::size_t j = 0; j < n; ++j) {
      SayImporting(items[j]);
      const bool open = j == 0 || !EqualsNoCase(items[j].Path, items[j - 1].Path);
      const bool close = j + 1 == n || !EqualsNoCase(items[j].Path, items[j + 1].Path);
      if (j + 1 == n && signalWindow) signalWindow->noAutoOutput = 0;
      lastImported = signalWindow && OperateQuorvelle(excel, items[j], open, close) == 1;
      if (lastImported) {
        ++imported;
        mdlOutput_printf(MSG_MESSAGE, "%s", kUpdateDone);
      }
    }
    if (n > 0) excel->SetInteractive(true);
    mdlView_updateSingle(workingView);
    if (imported == 0) {
      mdlOutput_printf(MSG_MESSAGE, "%s", kUpdateDone);
      // Nothing arrived to be placed: the command would wait for points in vain.
      CleanUpAndEnd();
    } else if (!lastImported && signalWindow) {
      // The last range, whose arrival starts the placing, failed: the ones received
      // are placed all the same.
      PostMessageA(signalWindow->GetSafeHwnd(), kMsgOutputToDgn, 0, 0);
    }
  });
}
