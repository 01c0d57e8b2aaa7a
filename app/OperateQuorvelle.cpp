// Redrawing one placed table from its workbook: the workbook opens in the signal
// window's Excel, the add-in sends the table's range, and the new table cell is placed
// at the old one's origin, turned and sized as it was. The caller deletes the old cell
// once this has placed the new one.
#include <cstdio>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/ImportTexts.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/SignalDlg.h"
#include "app/TableCell.h"
#include "automation/ComError.h"
#include "excel/AddinTexts.h"
#include "excel/ExcelUtils.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"
#include "output/LinkData.h"
#include "output/TablePictures.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/LevelResolution.h"
#include "settings/SaveCurrentOptions.h"
#include "support/FileModificationTime.h"
#include "support/SehException.h"

namespace {

constexpr int kAddinTransferDispid = 6;
constexpr int kUpdateLinksAlways = 3;
// The open mode the update flows and the list import ask the ProjectWise component for.
constexpr int kProjectWiseUpdateMode = 2;

// The table receiving the add-in's records, and the option set in force, for as long
// as one table is redrawn.
class CTableInTransfer {
 public:
  explicit CTableInTransfer(CQuorvelle& table) {
    if (signalWindow) signalWindow->currentTable = &table;
    currentOptionSet = &table.Setup;
  }
  ~CTableInTransfer() {
    if (signalWindow) signalWindow->currentTable = nullptr;
    currentOptionSet = nullptr;
  }
  CTableInTransfer(const CTableInTransfer&) = delete;
  CTableInTransfer& operator=(const CTableInTransfer&) = delete;
};

void CloseWithoutSaving(ExcelWorkbook& book) { book.Close(0, {}, 0); }

// The message with the texts put in its "%s" fields.
std::string Formatted(const char* format, const std::string& a, const std::string& b, const std::string& c = "") {
  char text[2048];
  std::snprintf(text, sizeof text, format, a.c_str(), b.c_str(), c.c_str());
  return text;
}

// The time the next out-of-date test compares with the workbook file's: the file's
// own time when it is a file here, else the time Excel keeps in the workbook, else now.
COleDateTime SaveTimeOfWorkbook(const std::string& excelPath, bool local, ExcelWorkbook& book) {
  COleDateTime time;
  if (local && ReadFileModificationTime(excelPath, &time)) return time;
  ExcelVariant value;
  if (ExcelUtils::GetDocumentProperty(book, kLastSaveTimeProperty, &value))
    if (const ExcelDate* date = std::get_if<ExcelDate>(&value)) return COleDateTime(date->days);
  return COleDateTime::GetCurrentTime();
}

// The add-in sends the selected range (or, with no range, the sheet's used range) to
// the signal window while the call runs; false when it could not be asked.
bool SendRangeWithAddin(ExcelApplication& excel, const xlslinkinfo& link) {
  std::shared_ptr<ExcelComAddIn> addin;
  try {
    auto addins = excel.COMAddIns();
    addin = addins ? addins->Item(kAddinProgId) : nullptr;
  } catch (const _com_error&) {
  }
  if (!addin) {
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, kAddinNotFound, MSGBOX_ICON_INFORMATION);
    return false;
  }
  auto object = addin->Object();
  if (!object) {
    mdlOutput_printf(MSG_MESSAGE, kAddinObjectNull, link.Path.c_str(), link.Worksheet.c_str());
    return false;
  }
  try {
    std::string message;
    object->Invoke(kAddinTransferDispid, {link.Range.empty() ? 0 : 1}, &message);
    return true;
  } catch (const _com_error& e) {
    mdlOutput_printf(MSG_MESSAGE, kCannotImport, link.Path.c_str(), link.Worksheet.c_str(),
                     static_cast<long>(e.Error()));
  } catch (const std::exception&) {
    mdlOutput_printf(MSG_MESSAGE, kCannotImportUnknown, link.Path.c_str(), link.Worksheet.c_str());
  }
  return false;
}

// The link's workbook opened in Excel: a file by its resolved path, a ProjectWise
// document through the component in the open mode given; null when it did not open.
std::shared_ptr<ExcelWorkbook> OpenLinkedWorkbook(ExcelApplication& excel, const xlslinkinfo& link,
                                                  const std::string& excelPath, int projectWiseMode) {
  if (link.Path.find('*') == std::string::npos) return excel.Workbooks()->Open(excelPath, kUpdateLinksAlways, {});
  if (CAcadFunc::OpenWorkbookOnProjectWise(signalWindow->excelApp, link.Path, projectWiseMode))
    return excel.ActiveWorkbook();
  return nullptr;
}

// The link's sheet activated (the message said) and its range selected; false, with
// the workbook closed and the user told, when either is not there.
bool SelectLinkedArea(ExcelApplication& excel, ExcelWorkbook& book, const xlslinkinfo& link,
                      const std::string& excelPath, const char* sheetMessage) {
  if (!link.Worksheet.empty()) {
    try {
      ActivateLinkedSheet(book, link.Worksheet);
    } catch (...) {
      CloseWithoutSaving(book);
      mdlOutput_error(Formatted(kCannotFindSheet, excelPath, link.Worksheet).c_str());
      return false;
    }
    mdlOutput_message(Formatted(sheetMessage, excelPath, link.Worksheet).c_str());
  }
  if (!link.Range.empty()) {
    try {
      SelectLinkedRange(excel, link.Range);
    } catch (...) {
      CloseWithoutSaving(book);
      mdlOutput_error(Formatted(kCannotSelectRange, excelPath, link.Worksheet, link.Range).c_str());
      return false;
    }
  }
  return true;
}

// Closes the workbook; the local copy of a ProjectWise document is deleted after it.
void CloseLinkedWorkbook(ExcelWorkbook& book, const xlslinkinfo& link) {
  const std::string fullName = book.FullName();
  CloseWithoutSaving(book);
  if (link.Path.find('*') != std::string::npos) DeleteFileA(fullName.c_str());
}

int Operate(ExcelApplication& excel, ULong filePos, int checkUpToDate) {
  CQuorvelle table;
  CTableInTransfer inTransfer(table);
  QuorvelleSetup& setup = table.Setup;

  MSElement old;
  if (mdlElement_read(&old, mdlModelRef_getActive(), filePos) != SUCCESS) return 0;
  xlslinkinfo link;
  ReadXlsInfo(&old, &link, true);
  // The table is drawn on the levels it was placed with, made again if they are gone.
  ResolveLevelOptions(setup);

  std::string excelPath = link.Path;
  const bool local = IsLocalLinkPath(link.Path);
  if (local) {
    excelPath = ResolveLinkPath(link.Path);
    if (!PathFileExistsA(excelPath.c_str())) {
      mdlOutput_printf(MSG_MESSAGE, kCannotFindWorkbook, link.Path.c_str());
      return 0;
    }
    COleDateTime fileTime;
    if (checkUpToDate && ReadFileModificationTime(excelPath, &fileTime) && fileTime == link.LastSaveTime) {
      mdlOutput_printf(MSG_MESSAGE, kUpToDate, excelPath.c_str());
      return 0;
    }
  }

  const DPoint3d origin = TakePlacementOf(old, setup);
  SaveCurrentOptions(kFuncUpdate, link.Range);

  std::shared_ptr<ExcelWorkbook> book = OpenLinkedWorkbook(excel, link, excelPath, kProjectWiseUpdateMode);
  if (!book) return 0;
  signalWindow->ReloadExcelAddins();
  if (!SelectLinkedArea(excel, *book, link, excelPath, kUpdatingSheet)) return 0;
  // The workbook stays open on failure: the clean-up quits Excel with it.
  if (!SendRangeWithAddin(excel, link)) return 0;

  link.LastSaveTime = SaveTimeOfWorkbook(excelPath, local, *book);
  CloseLinkedWorkbook(*book, link);
  book.reset();

  DetachTablePictures(setup.pictureTag, mdlElement_getID(&old));
  MSElement header = MakeTableHeader(link, true);
  mdlElmdscr_new(&pendingTableCell, nullptr, &header);
  return CQVUtiMStation::OutputTableToDgn(table, pendingTableCell, &origin, FuncState);
}

// One item of a list import: its workbook opened (or the one open used), its sheet
// and range selected, and the range sent to the signal window, which collects it as
// the next table; the workbook closed after its last item.
int OperateItem(ExcelApplication& excel, xlslinkinfo& item, bool openWorkbook, bool closeWorkbook) {
  const bool local = IsLocalLinkPath(item.Path);
  std::string excelPath = item.Path;
  if (local) {
    excelPath = ResolveLinkPath(item.Path);
    if (!PathFileExistsA(excelPath.c_str())) {
      mdlOutput_printf(MSG_MESSAGE, kImportCannotFind, item.Path.c_str());
      return 0;
    }
  }
  std::shared_ptr<ExcelWorkbook> book =
      openWorkbook ? OpenLinkedWorkbook(excel, item, excelPath, kProjectWiseUpdateMode) : excel.ActiveWorkbook();
  if (!book) return 0;
  // A failure here comes before anything was sent: the table waiting for the next
  // range stays the signal window's, so that the next item's range is received.
  if (!SelectLinkedArea(excel, *book, item, excelPath, kImportingActivated)) return 0;
  // The tables of the range are linked to the workbook as found here, so that the
  // link is stored the way the user's settings want it.
  signalWindow->linkInfo = item;
  if (local) signalWindow->linkInfo.Path = excelPath;
  try {
    if (!SendRangeWithAddin(excel, item)) return 0;
    item.LastSaveTime = SaveTimeOfWorkbook(excelPath, local, *book);
    if (closeWorkbook) CloseLinkedWorkbook(*book, item);
  } catch (const _com_error& e) {
    mdlOutput_printf(MSG_MESSAGE, kCannotImport, item.Path.c_str(), item.Worksheet.c_str(),
                     static_cast<long>(e.Error()));
    return 0;
  }
  return 1;
}

}  // namespace

int CAcadFunc::OperateQuorvelle(const ExcelApplicationPtr& excel, xlslinkinfo& item, bool openWorkbook,
                                bool closeWorkbook) {
  if (!excel || !signalWindow) return 0;
  try {
    return OperateItem(*excel, item, openWorkbook, closeWorkbook);
  } catch (const COleDispatchException& e) {
    ReportAutomationError(e);
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report("CAcadFunc::OperateQuorvelle"));
  } catch (...) {
    mdlOutput_printf(MSG_MESSAGE, kCannotImportUnknown, item.Path.c_str(), item.Worksheet.c_str());
  }
  return 0;
}

int CAcadFunc::OperateQuorvelle(const ExcelApplicationPtr& excel, ULong filePos, int checkUpToDate) {
  if (!excel || !signalWindow) return 0;
  try {
    return Operate(*excel, filePos, checkUpToDate) == 1 ? 1 : 0;
  } catch (const COleDispatchException& e) {
    ReportAutomationError(e);
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report("CAcadFunc::OperateQuorvelle"));
  } catch (...) {
  }
  return 0;
}
