#include "excel/ExcelUtils.h"

#include <cstdio>
#include <vector>

#include "automation/ComError.h"
#include "excel/ExcelTexts.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/windows.h"
#include "support/SupportTexts.h"
#include "support/SystemMessage.h"
#include "support/TextCompare.h"

namespace {

struct Connection {
  ExcelApplicationPtr application;
  std::shared_ptr<ExcelWorkbook> workbook;
  std::shared_ptr<ExcelWorksheet> worksheet;
  int version = 0;
};

Connection& State() {
  static Connection connection;
  return connection;
}

constexpr HRESULT kInvalidPointer = static_cast<HRESULT>(0x80004003);  // E_POINTER

void ShowMessage(const std::string& text) { MessageBoxA(nullptr, text.c_str(), kProductTitle, MB_OK); }

// Runs a call on Excel: Excel's own failure is reported, a failure of the call itself
// passes in silence; either gives 0, and what was made current before it stays.
template <typename Call>
int Guarded(Call call) {
  try {
    return call();
  } catch (const COleDispatchException& e) {
    ExcelUtils::ReportOleError(e.Error());
  } catch (const _com_error&) {
  }
  return 0;
}

// The path as Windows names the file, so that a workbook open under its full name is
// found whatever form the path was given in; the path itself when it has none.
std::string FullPathOf(const std::string& path) {
  const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::vector<char> buffer(needed);
  const DWORD length = GetFullPathNameA(path.c_str(), needed, buffer.data(), nullptr);
  return length > 0 && length < needed ? std::string(buffer.data(), length) : path;
}

}  // namespace

ExcelApplicationPtr ExcelUtils::Application() { return State().application; }
std::shared_ptr<ExcelWorkbook> ExcelUtils::CurrentWorkbook() { return State().workbook; }
std::shared_ptr<ExcelWorksheet> ExcelUtils::CurrentWorksheet() { return State().worksheet; }
int ExcelUtils::ExcelVersion() { return State().version; }

int ExcelUtils::LeadingInteger(const std::string& text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 100000) break;
  }
  return value;
}

void ExcelUtils::ReleaseExcel() {
  Connection& state = State();
  state.worksheet.reset();
  state.workbook.reset();
  state.version = 0;
  state.application.reset();
}

int ExcelUtils::StartExcel(bool visible) {
  ReleaseExcel();
  ExcelApplicationPtr excel;
  const HRESULT status = CreateAutomationApplication(kExcelProgId, &excel);
  if (status != S_OK || !excel) {
    ReportOleError(status != S_OK ? status : kInvalidPointer);
    return 0;
  }
  State().application = excel;
  if (!visible) return 1;
  return Guarded([&] {
    if (excel->Visible()) return 1;
    excel->SetVisible(true);
    State().version = LeadingInteger(excel->Version());
    if (State().version < 12) return 1;
    // Bringing Excel to the front is a courtesy: its failure is told and the start stands.
    try {
      if (const int window = excel->Hwnd()) SetForegroundWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(window)));
    } catch (const _com_error& e) {
      ShowMessage(e.ErrorMessage());
    }
    return 1;
  });
}

int ExcelUtils::AttachExcel(bool visible, const std::string* path, int updateLinks, int readOnly) {
  ReleaseExcel();
  ExcelApplicationPtr excel;
  if (GetActiveAutomationApplication(kExcelProgId, &excel) != S_OK || !excel) return 0;
  State().application = excel;
  return Guarded([&] {
    if (visible && !excel->Visible()) excel->SetVisible(true);
    State().version = LeadingInteger(excel->Version());
    if (path) {
      OpenWorkbook(*path, updateLinks, readOnly);
      return 1;
    }
    if (excel->Workbooks()->Count() > 0) {
      State().workbook = excel->ActiveWorkbook();
      State().worksheet = excel->ActiveSheet();
    }
    return 1;
  });
}

int ExcelUtils::OpenWorkbook(const std::string& path, int updateLinks, int readOnly) {
  if (path.empty() || !State().application) return 0;
  const std::string fileName = PathFindFileNameA(path.c_str());
  const std::string fullPath = FullPathOf(path);
  return Guarded([&] {
    auto workbooks = State().application->Workbooks();
    const int count = workbooks->Count();
    int found = 0;
    for (int i = 1; i <= count && !found; ++i) {
      auto book = workbooks->Item(i);
      const std::string fullName = book->FullName();
      if (EqualsNoCase(fullName, path) || EqualsNoCase(fullName, fullPath)) {
        found = i;
      } else if (EqualsNoCase(book->Name(), fileName)) {
        char text[1024];
        std::snprintf(text, sizeof text, kSameFileNameOpen, fileName.c_str());
        ShowMessage(text);
        return 0;
      }
    }
    State().workbook = found ? workbooks->Item(found) : workbooks->Open(path, updateLinks, readOnly);
    return 1;
  });
}

int ExcelUtils::AddWorkbook() {
  if (!State().application) return 0;
  return Guarded([] {
    State().workbook = State().application->Workbooks()->Add();
    return 1;
  });
}

int ExcelUtils::EnsureWorkbook() {
  ExcelApplicationPtr excel = State().application;
  if (!excel) {
    ShowMessage(kNoExcelInstance);
    return 0;
  }
  return Guarded([&] {
    auto workbooks = excel->Workbooks();
    if (workbooks->Count() <= 0) workbooks->Add();
    if (!State().workbook) State().workbook = excel->ActiveWorkbook();
    State().worksheet = excel->ActiveSheet();
    return 1;
  });
}

int ExcelUtils::ActivateWorksheet(const std::string& name) {
  if (name.empty() || !State().application) return 0;
  return Guarded([&] {
    auto book = State().application->ActiveWorkbook();
    auto sheets = book ? book->Worksheets() : nullptr;
    const int count = sheets ? sheets->Count() : 0;
    for (int i = 1; i <= count; ++i) {
      auto sheet = sheets->Item(i);
      if (!EqualsNoCase(sheet->Name(), name)) continue;
      State().worksheet = sheet;
      sheet->SetVisible(1);
      sheet->Activate();
      return 1;
    }
    return 0;
  });
}

int ExcelUtils::OpenAndSelect(const std::string& path, const std::string& sheet, const std::string& range,
                              int updateLinks, int readOnly) {
  if (path.empty() || !OpenWorkbook(path, updateLinks, readOnly)) return 0;
  if (sheet.empty()) return 1;
  if (!ActivateWorksheet(sheet)) return 0;
  if (range.empty()) return 1;
  return Guarded([&] {
    auto selection = State().worksheet->Range(range, std::nullopt);
    if (!selection) return 0;
    selection->Select();
    return 1;
  });
}

int ExcelUtils::GetDocumentProperty(ExcelWorkbook& workbook, const std::string& name, ExcelVariant* value) {
  try {
    *value = workbook.BuiltinDocumentProperty(name);
    return 1;
  } catch (const _com_error&) {
    return 0;
  }
}

std::string ExcelUtils::GetExcelVersion() {
  bool started = false;
  if (!AttachExcel(false)) {
    if (!StartExcel(false)) return "";
    started = true;
  }
  std::string version;
  Guarded([&] {
    version = State().application->Version();
    return 1;
  });
  if (started) {
    Guarded([] {
      State().application->Quit();
      return 1;
    });
    ReleaseExcel();
  }
  return version;
}

std::string ExcelUtils::CellAddress(int row, int column) {
  if (row <= 0 || column <= 0) {
    ShowMessage(kCellIndexNotPositive);
    return "";
  }
  if (column > kLastAddressColumn) {
    ShowMessage(kColumnBeyondZZ);
    return "";
  }
  return AbsoluteCellAddress(row, column);
}

int ExcelUtils::ParseRangeStart(const std::string& address, int* row, int* column, AddressReading reading) {
  return ::ParseRangeStart(address, row, column, reading) ? 1 : 0;
}

int ExcelUtils::ParseRangeEnd(const std::string& address, int* row, int* column) {
  return ::ParseRangeEnd(address, row, column) ? 1 : 0;
}

void ExcelUtils::ReportOleError(HRESULT status) {
  std::string text = SystemMessageText(static_cast<DWORD>(status));
  if (text.empty()) {
    char fallback[1024];
    std::snprintf(fallback, sizeof fallback, kOleErrorFallback, kOleErrorSource, kOleErrorLine,
                  static_cast<unsigned>(status));
    text = fallback;
  }
  MessageBoxA(nullptr, text.c_str(), kProductTitle, MB_OK | MB_ICONINFORMATION);
}
