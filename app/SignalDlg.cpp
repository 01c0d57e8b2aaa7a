#include "app/SignalDlg.h"

#include "model/CQuorvelle.h"
#include "support/FaultTranslator.h"

namespace {
constexpr char kWindowClass[] = "QuorvelleSignalDlg";
}  // namespace

CSignalDlg::CSignalDlg() = default;

CSignalDlg::~CSignalDlg() { DestroyWindow(); }

LRESULT CSignalDlg::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CSignalDlg*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (!self->hwnd_) self->hwnd_ = hwnd;  // messages sent while the window is being made
  return self->WindowProc(message, wParam, lParam);
}

bool CSignalDlg::Create(HWND parent) {
  if (hwnd_) return true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = &CSignalDlg::StaticWindowProc;
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);  // registered once per process; later calls find it there
  hwnd_ = CreateWindowExA(0, kWindowClass, kSignalWindowCaption, WS_POPUP, 0, 0, 0, 0, parent, nullptr, nullptr, this);
  if (!hwnd_) return false;
  SendMessageA(hwnd_, WM_INITDIALOG, 0, 0);
  return true;
}

void CSignalDlg::DestroyWindow() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  ::DestroyWindow(hwnd);
  hwnd_ = nullptr;
}

// The window may be created on a thread the module has not seen yet.
BOOL CSignalDlg::OnInitDialog() {
  InstallFaultTranslator();
  return TRUE;
}

void CSignalDlg::QuitExcel() {
  if (!excelApp) return;
  ExcelApplicationPtr app = std::move(excelApp);
  try {
    app->SetDisplayAlerts(true);
    app->Quit();
  } catch (...) {
    // An Excel that is already gone needs no quitting.
  }
}

void CSignalDlg::OnDestroy() {
  QuitExcel();
  furtherTables.clear();
  placedTables.clear();
}

LRESULT CSignalDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COPYDATA:
      return OnCopyData(wParam, lParam);
    case kMsgBeginTable:
      return OnBeginTable(wParam, lParam);
    case kMsgEndTable:
      return OnEndTable(wParam, lParam);
    case kMsgOutputToDgn:
      return OnOutputToDgn(wParam, lParam);
    case kMsgCancelTransfer:
      return OnCancelTransfer(wParam, lParam);
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
