// The module's exports: what the host calls when it loads and unloads the module
// and for every command and command step.
#include <string>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Exports.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/ModuleStateScope.h"
#include "app/TableCell.h"
#include "excel/ExcelUtils.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msscan.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "output/PatternTemplate.h"
#include "settings/FontMapOptionDlg.h"
#include "settings/Profile.h"
#include "support/AboutDlg.h"
#include "support/FaultTranslator.h"
#include "support/LiveUpdateDlg.h"
#include "support/SampleTextNode.h"
#include "support/SupportPages.h"


extern "C" {

int InitApplicationDll() {
  ModuleStateScope scope;
  InstallFaultTranslator();
  MakePatternTemplate();
  return 0;
}

int UnloadApplicationDll() {
  ModuleStateScope scope;
  CleanUpEnvironment();
  // No reference into Excel may outlive the module; Excel itself stays for the user.
  ExcelUtils::ReleaseExcel();
  return 0;
}

int Quorvelle_Create_Start() {
  ModuleStateScope scope;
  return CAcadFunc::CreateQuorvelle_Start();
}

int Quorvelle_Create_Accept(DPoint3d* point, int view) {
  ModuleStateScope scope;
  return CAcadFunc::CreateQuorvelle_Accept(point, view);
}

int Quorvelle_Edit_Accept(DPoint3d* point, int view) {
  ModuleStateScope scope;
  CAcadFunc::EditQuorvelle_Accept(point, view);
  return 1;
}

void Quorvelle_Update_Start() {
  ModuleStateScope scope;
  CAcadFunc::UpdateQuorvelle_Start();
}

void Quorvelle_Update_All() {
  ModuleStateScope scope;
  CAcadFunc::UpdateQuorvelle_All();
}

void Quorvelle_Update_Selected() {
  ModuleStateScope scope;
  CAcadFunc::UpdateQuorvelle_Selected(1);
}

int Quorvelle_Filter(int, int, DgnModelRefP modelRef, ULong filePos) {
  ModuleStateScope scope;
  if (!moduleIdle) return 0;  // no table is picked while an operation runs
  MSElement element;
  if (mdlElement_read(&element, modelRef, filePos) != SUCCESS) return 0;
  return IsQuorvelleCell(&element);
}

int Quorvelle_Reset() {
  ModuleStateScope scope;
  mdlState_startDefaultCommand();
  return 1;
}

int Quorvelle_CleanUp() {
  ModuleStateScope scope;
  mdlSelect_freeAll();
  CleanUpEnvironment();
  return 1;
}

int Quorvelle_TurnAutoUpdate() {
  ModuleStateScope scope;
  int enabled = GetProfileInt(kProductSection, kValueAutoUpdateAll, 0) == 0 ? 1 : 0;
  WriteProfileInt(kProductSection, kValueAutoUpdateAll, enabled);
  mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, enabled ? kAutoUpdateEnabled : kAutoUpdateDisabled,
                           MSGBOX_ICON_INFORMATION);
  return 1;
}

int IsAutoUpdate() {
  ModuleStateScope scope;
  return GetProfileInt(kProductSection, kValueAutoUpdateAll, 0);
}

int IsAttachAppMenu() {
  ModuleStateScope scope;
  DWORD value = 0;
  ReadRegistryDword(HKEY_LOCAL_MACHINE, std::string("SOFTWARE\\") + kRegistryRoot + "\\" + kProductSection,
                    kValueAttachAppMenu, &value);
  return static_cast<int>(value);
}

void Quorvelle_ManageFontMap() {
  ModuleStateScope scope;
  RunGuarded({"Quorvelle_ManageFontMap", kManageFontMapFailed}, [] {
    CFontMapOptionDlg dialog(0);
    dialog.DoModal();
  });
  mdlState_startDefaultCommand();
}

int Quorvelle_ImportMultiTables_Start() {
  ModuleStateScope scope;
  return CAcadFunc::ImportMultiTables_Start();
}

int Product_Help() {
  ModuleStateScope scope;
  RunGuarded({"Product_Help", kProductHelpFailed}, [] { PlaceSampleTextNode(); });
  return 1;
}

void Product_Support() {
  ModuleStateScope scope;
  RunGuarded({"Product_Support", kProductSupportFailed}, [] { OpenSupportMail(ExcelUtils::GetExcelVersion()); });
}

int Product_About() {
  ModuleStateScope scope;
  RunGuarded({"Product_About", kProductAboutFailed}, [] { CAboutDlg(mdlNativeWindow_getMainHandle(0)).DoModal(); });
  return 1;
}

int Product_CheckUpdate() {
  ModuleStateScope scope;
  RunGuarded({"Product_CheckUpdate", kProductCheckUpdateFailed},
             [] { CLiveUpdateDlg(mdlNativeWindow_getMainHandle(0)).DoModal(); });
  return 1;
}

int Product_Demo() {
  ModuleStateScope scope;
  RunGuarded({"Product_Demo", kProductDemoFailed}, [] { OpenDemoPage(); });
  return 1;
}

}  // extern "C"
