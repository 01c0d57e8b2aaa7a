// The output of a received table (message 1130): Excel is closed, the link is made
// and the table cell is built, to follow the cursor or to replace the edited table.
#include <cstdio>

#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "app/TableCell.h"
#include "automation/ComError.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "output/CQVUtiMStation.h"
#include "output/MasterUnitsScope.h"
#include "output/OutputTexts.h"
#include "output/TablePictures.h"
#include "platform/files.h"
#include "settings/OptionNames.h"
#include "settings/Profile.h"
#include "support/Breadcrumbs.h"
#include "support/SehException.h"

namespace {

constexpr char kOperation[] = "CSignalDlg::OnOutputToDgn";

void Step(int step) { RecordStep(kOperation, step); }

}  // namespace

LRESULT CSignalDlg::OnOutputToDgn(WPARAM, LPARAM) {
  operationName = kOperation;
  try {
    OutputToDgn();
  } catch (const _com_error& e) {
    char text[1024];
    std::snprintf(text, sizeof text, kOutputAutomationError, operationName.c_str(), operationStep,
                  e.ErrorMessage().c_str());
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, text, MSGBOX_ICON_INFORMATION);
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report(kOperation));
  } catch (...) {
    char text[512];
    std::snprintf(text, sizeof text, kOutputUnknownError, operationName.c_str(), operationStep);
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, text, MSGBOX_ICON_INFORMATION);
  }
  return 0;
}

void CSignalDlg::OutputToDgn() {
  Step(1);
  std::string section = kProductSection;
  if (FuncState == kFuncEdit && GetProfileInt(kProductSection, kValueUseGlobalOption, 0) == 0)
    section = kCurrentOptionsSection;
  int split = GetProfileInt(section, kValueSplitRowsToColumns, 0);
  if (currentOptionSet) currentOptionSet->SplitRowsToColumns = split;

  if (listImportMode) {
    Step(2);
    xlslinkinfo link;
    link.Path = moduleTable.WorkbookPath;
    link.Worksheet = moduleTable.SheetName;
    link.Range = moduleTable.RangeAddress;
    ReadWorkbookSaveTime(link);
    MSElement header = MakeTableHeader(link, true);
    mdlElmdscr_new(&pendingTableCell, nullptr, &header);
    mdlOutput_prompt(kOutputPromptTableOrigin);
    CQVUtiMStation::OutputTableToDgn(moduleTable, pendingTableCell, nullptr, FuncState);
    return;
  }

  Step(3);
  // A second output request of one transfer (an add-in that ends every range with the
  // output flag) finds Excel already gone and the table already built: nothing to do.
  if (!excelApp) return;
  auto book = excelApp->ActiveWorkbook();
  if (!book) throw _com_error(static_cast<HRESULT>(0x80004003), "Excel has no active workbook.");
  std::string fullName = book->FullName();
  Step(4);
  linkInfo.Path = GetWorkbookPathOnProjectWise();
  bool deleteCopy = false;
  if (linkInfo.Path.empty() || linkInfo.Path.find('*') == std::string::npos) {
    linkInfo.Path = fullName;
  } else if (size_t q = linkInfo.Path.find('?'); q != std::string::npos && q > 0) {
    deleteCopy = true;
    while (!linkInfo.Path.empty() && linkInfo.Path.back() == '?') linkInfo.Path.pop_back();
  }
  Step(5);
  linkInfo.Range = moduleTable.RangeAddress;
  linkInfo.Worksheet = moduleTable.SheetName;
  Step(6);
  book->Close({}, {}, {});
  book.reset();
  excelApp->SetDisplayAlerts(true);
  excelApp->Quit();
  excelApp.reset();
  Step(7);
  if (deleteCopy) DeleteFileA(fullName.c_str());
  Step(8);
  HWND main = mdlNativeWindow_getMainHandle(0);
  if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
  SetForegroundWindow(main);
  // An empty cell is no table: nothing is placed, and a table being replaced stays.
  if (!moduleTable.HasContents()) {
    mdlOutput_error(kNothingToDraw);
    CleanUpAndEnd();  // this window is gone from here on
    return;
  }
  Step(9);
  ReadWorkbookSaveTime(linkInfo);

  Step(10);
  int replaced = currentOptionSet ? currentOptionSet->replacedTablePosition : -1;
  if (replaced != -1) {
    MSElement old;
    if (mdlElement_read(&old, mdlModelRef_getActive(), static_cast<ULong>(replaced)) == SUCCESS)
      DetachTablePictures(currentOptionSet->pictureTag, mdlElement_getID(&old));
  }
  Step(11);
  bool withProperties = !(FuncState == kFuncCreate && split);
  MSElement header = MakeTableHeader(linkInfo, withProperties);

  if (replaced == -1) {
    Step(12);
    mdlElmdscr_new(&pendingTableCell, nullptr, &header);
    if (split) {
      mdlOutput_prompt(kPromptFirstCorner);
      return;
    }
    CQVUtiMStation::OutputTableToDgn(moduleTable, pendingTableCell, nullptr, FuncState);
    if (!CQVUtiMStation::HasSomethingToPlace(moduleTable, pendingTableCell)) {
      mdlOutput_error(kNothingToDraw);
      CleanUpAndEnd();  // this window is gone from here on
    }
    return;
  }

  Step(13);
  MSElement old;
  DPoint3d origin{};
  const bool oldRead = mdlElement_read(&old, mdlModelRef_getActive(), static_cast<ULong>(replaced)) == SUCCESS;
  if (oldRead) {
    CMasterUnitsScope masterUnits;
    mdlCell_extract(&origin, nullptr, nullptr, nullptr, nullptr, 0, &old);
  }
  mdlElmdscr_new(&pendingTableCell, nullptr, &header);
  // The old table goes only once the new one is in its place: a table that cannot be
  // placed leaves the old one as it was.
  if (CQVUtiMStation::OutputTableToDgn(moduleTable, pendingTableCell, &origin, FuncState) == 1 && oldRead)
    mdlElement_undoableDelete(&old, static_cast<ULong>(replaced), TRUE);
  CleanUpAndEnd();  // this window is gone from here on
}
