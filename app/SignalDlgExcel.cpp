// Excel for the create and edit commands: started for the user, with a new workbook
// or the linked one at its sheet and range.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/Lifecycle.h"
#include "app/SignalDlg.h"
#include "automation/ComError.h"
#include "excel/ExcelTexts.h"
#include "excel/ExcelUtils.h"
#include "host/msoutput.h"
#include "output/CompletionBar.h"
#include "platform/msgbox.h"
#include "platform/registry.h"
#include "platform/version.h"
#include "support/SehException.h"
#include "support/SupportTexts.h"

namespace {

DWORD SystemMajorVersion() {
  OSVERSIONINFOEXA info;
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) ? info.dwMajorVersion : 0;
}

// Activates the link's sheet and selects its range.
void ShowLinkedRange(ExcelApplication& excel, ExcelWorkbook& book, const xlslinkinfo& link) {
  ActivateLinkedSheet(book, link.Worksheet);
  if (!link.Range.empty()) SelectLinkedRange(excel, link.Range);
}

// Runs a step whose failure does not stop the work; the failure's text, else "".
template <typename Step>
std::string FailureOf(Step step) {
  try {
    step();
    return "";
  } catch (const _com_error& e) {
    return e.ErrorMessage();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return kUnknownFailure;
  }
}

}  // namespace

int CSignalDlg::LaunchExcel(HRESULT* status) {
  if (excelApp) return 1;
  ExcelApplicationPtr app;
  HRESULT hr = CreateAutomationApplication(kExcelProgId, &app);
  if (status) *status = hr;
  if (hr != S_OK || !app) return 0;
  excelApp = app;
  excelVersion = ExcelUtils::LeadingInteger(excelApp->Version());
  return 1;
}

// A failure never stops the operation: the add-ins that reload keep working, and the
// user learns which did not.
void CSignalDlg::ReloadExcelAddins() {
  std::shared_ptr<ExcelAddIns> addIns;
  int count = 0;
  std::string failure = FailureOf([&] {
    addIns = excelApp ? excelApp->AddIns() : nullptr;
    count = addIns ? addIns->Count() : 0;
  });
  if (!failure.empty()) mdlOutput_printf(MSG_MESSAGE, kAddinsNotListed, failure.c_str());
  for (int i = 1; i <= count; ++i) {
    std::string name = "#";
    name += std::to_string(i);
    failure = FailureOf([&] {
      auto addIn = addIns->Item(i);
      if (!addIn || !addIn->Installed()) return;
      name = addIn->Name();
      addIn->SetInstalled(false);
      addIn->SetInstalled(true);
    });
    if (!failure.empty()) mdlOutput_printf(MSG_MESSAGE, kAddinNotReloaded, name.c_str(), failure.c_str());
  }
}

void ActivateLinkedSheet(ExcelWorkbook& book, const std::string& worksheet) {
  auto sheets = book.Sheets();
  auto sheet = sheets ? sheets->Item(worksheet) : nullptr;
  if (!sheet) throw std::runtime_error("no such sheet");
  sheet->Activate();
}

void SelectLinkedRange(ExcelApplication& excel, const std::string& range) {
  auto active = excel.ActiveSheet();
  auto selected = active ? active->Range(range, std::nullopt) : nullptr;
  if (!selected) throw std::runtime_error("no such range");
  selected->Select();
}

void ReportAutomationError(const _com_error& e) {
  MessageBoxA(nullptr, e.ErrorMessage().c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

int CSignalDlg::OpenWorkbookInExcel(const xlslinkinfo* link) {
  CCompletionBar bar(kPromptStartingExcel);
  try {
    mdlOutput_prompt(kPromptStartingExcel);
    bar.Update(kPromptStartingExcel, 60);
    HRESULT status = S_OK;
    if (!LaunchExcel(&status)) {
      char text[256];
      std::snprintf(text, sizeof text, kFailedToStartExcel, static_cast<unsigned>(status));
      mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, text, MSGBOX_ICON_WARNING);
      CleanUpEnvironment();
      return 0;
    }
    bar.Update(kPromptStartingExcel, 90);
    excelApp->SetVisible(true);
    if (excelVersion >= 15 && !excelApp->Visible()) {
      std::string text = std::string(kCannotStartExcelNormally) + kSupportAddress + kScreenshotHelps;
      MessageBoxA(nullptr, text.c_str(), kProductTitle, MB_OK | MB_ICONINFORMATION);
      CleanUpEnvironment();
      return 0;
    }
    if (excelVersion >= 12 && SystemMajorVersion() >= 6) {
      try {
        int hwnd = excelApp->Hwnd();
        if (hwnd > 0) SetForegroundWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(hwnd)));
      } catch (const _com_error& e) {
        ReportAutomationError(e);
      }
    }
    auto workbooks = excelApp->Workbooks();
    bar.Close();
    mdlOutput_prompt(kPromptWaiting);
    if (!link || link->Path.empty()) {
      workbooks->Add();
    } else {
      std::shared_ptr<ExcelWorkbook> book;
      if (link->Path.find('*') == std::string::npos) {
        book = workbooks->Open(ResolveLinkPath(link->Path), {}, {});
      } else if (CAcadFunc::OpenWorkbookOnProjectWise(excelApp, link->Path, 0)) {
        book = excelApp->ActiveWorkbook();
      }
      if (book && !link->Worksheet.empty()) {
        // The workbook is open for the user: a range that cannot be shown is reported
        // and the user selects it by hand.
        try {
          ShowLinkedRange(*excelApp, *book, *link);
        } catch (const _com_error& e) {
          ReportAutomationError(e);
        } catch (...) {
          mdlOutput_printf(MSG_MESSAGE, kRangeNotShown, link->Worksheet.c_str(), link->Range.c_str());
        }
      }
    }
    ReloadExcelAddins();
    return 1;
  } catch (const _com_error& e) {
    bar.Close();
    CleanUpEnvironment();
    ReportAutomationError(e);
    return 0;
  }
}

std::string CSignalDlg::GetWorkbookPathOnProjectWise() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kProjectWiseClassKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
  RegCloseKey(key);
  bool itemObtained = false;
  try {
    auto item = excelApp->COMAddIns()->Item(kProjectWiseProgId);
    itemObtained = true;
    if (!item->Connect()) return transferredPath;
    auto object = item->Object();
    if (!object) {
      mdlOutput_message(kProjectWiseObjectNull);
      return "";
    }
    auto component = object->QueryInterface(kProjectWiseInterface);
    if (!component) return "";
    ExcelVariant path = component->Invoke(4, {});
    return std::holds_alternative<std::string>(path) ? std::get<std::string>(path) : "";
  } catch (const _com_error& e) {
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, e.ErrorMessage().c_str(), MSGBOX_ICON_INFORMATION);
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report("CSignalDlg::GetWorkbookPathOnProjectWise"));
  } catch (...) {
    mdlOutput_message(itemObtained ? kProjectWiseNotLoaded : kProjectWiseNotFound);
  }
  return "";
}
