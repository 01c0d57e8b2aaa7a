#include "app/Lifecycle.h"

#include <string>

#include "app/AppTexts.h"
#include "app/ModuleState.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "automation/ComError.h"
#include "excel/AddinRegistration.h"
#include "excel/ExchangeMapping.h"
#include "host/mselmdscr.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "output/WorkingView.h"
#include "settings/OptionNames.h"
#include "settings/Profile.h"
#include "support/DesignFile.h"
#include "support/SupportTexts.h"

namespace {

// The add-in takes the folder with its trailing backslash.
std::string DesignFolderForAddin() {
  std::string folder = DesignFolder();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// Writes the value from the expanded configuration variable: empty first, then the
// variable's value when it is defined.
void WriteFromCfgVar(const char* entry, const char* variable) {
  WriteProfileString(kProductSection, entry, "");
  if (char* value = mdlSystem_getExpandedCfgVar(variable)) {
    WriteProfileString(kProductSection, entry, value);
    mdlSystem_freeCfgVarBuffer(value);
  }
}

void WriteSettingsForAddin() {
  WriteProfileString(kProductSection, kValueCurDrawingFolder, DesignFolderForAddin());
  WriteProfileInt(kProductSection, kValueFuncState, FuncState);
  if (char* user = mdlSystem_getExpandedCfgVar(kCfgUserName)) {
    WriteProfileString(kProductSection, kValueCurWorkspaceName, user);
    mdlSystem_freeCfgVarBuffer(user);
  }
  WriteFromCfgVar(kValueAfmFile, kCfgFontMapFile);
  WriteFromCfgVar(kValueOptFile, kCfgOptionsFile);
}

}  // namespace

int InitEnvironment(CQuorvelle* table) {
  moduleIdle = 0;
  listImportMode = 0;
  WriteSettingsForAddin();
  if (!EnsureAddinRegistered()) return 0;
  if (!signalWindow) {
    auto* window = new CSignalDlg;
    if (!window->Create(mdlNativeWindow_getMainHandle(0))) {
      delete window;
      return 0;
    }
    ShowWindow(window->GetSafeHwnd(), SW_HIDE);
    signalWindow = window;
  }
  if (table)
    signalWindow->currentTable = table;
  else
    signalWindow->noAutoOutput = 1;
  if (FuncState != kFuncUpdate) PublishExchangeMapping();
  return 1;
}

void CleanUpAndEnd() {
  CleanUpEnvironment();
  mdlState_startDefaultCommand();
}

int CleanUpEnvironment() {
  moduleTable.Reset();
  currentOptionSet = nullptr;
  if (signalWindow) {
    while (!signalWindow->furtherTables.empty()) signalWindow->furtherTables.pop_back();
    signalWindow->DestroyWindow();  // quits the Excel instance the window started
    delete signalWindow;
    signalWindow = nullptr;
  }
  CloseExchangeMapping();
  if (pendingTableCell) mdlElmdscr_freeAll(&pendingTableCell);
  DisableAddinLoading();
  workingView = -1;
  FuncState = kFuncCreate;
  moduleIdle = 1;
  listImportMode = 0;
  return 1;
}

bool PrepareEnvironment(CQuorvelle* table) {
  if (InitEnvironment(table) && signalWindow) return true;
  mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, kFailedToInitialize, MSGBOX_ICON_WARNING);
  CleanUpEnvironment();
  return false;
}

bool LaunchSignalExcel() {
  HRESULT status = S_OK;
  if (signalWindow && signalWindow->LaunchExcel(&status)) return true;
  ReportAutomationError(_com_error(status));
  mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, kUpdateExcelFailed, MSGBOX_ICON_INFORMATION);
  CleanUpEnvironment();
  return false;
}
