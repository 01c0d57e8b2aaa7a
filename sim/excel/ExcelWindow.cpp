#include "sim/excel/ExcelWindow.h"

#include "sim/excel/ExcelInstances.h"
#include "sim/excel/KeepLastError.h"

namespace sim {
namespace {

constexpr char kWindowClass[] = "XLMAIN";
constexpr char kCaption[] = "Microsoft Excel";

LRESULT ExcelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    if (ExcelState* excel = FindExcelOfWindow(window)) {
      EndExcel(*excel);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND ExcelWindow(ExcelState& excel) {
  if (excel.window && IsWindow(excel.window)) return excel.window;
  KeepLastError keep;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ExcelWindowProc;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);  // fails harmlessly once registered
  DWORD style = WS_OVERLAPPEDWINDOW | (excel.visible ? WS_VISIBLE : 0);
  excel.window = CreateWindowExA(0, kWindowClass, kCaption, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
  return excel.window;
}

void ShowExcelWindow(ExcelState& excel) {
  KeepLastError keep;
  if (excel.visible) {
    if (HWND window = ExcelWindow(excel)) ShowWindow(window, SW_SHOW);
  } else if (excel.window && IsWindow(excel.window)) {
    ShowWindow(excel.window, SW_HIDE);
  }
}

void EndExcel(ExcelState& excel) {
  excel.ended = true;
  KeepLastError keep;
  HWND window = excel.window;
  excel.window = nullptr;
  if (window && IsWindow(window)) DestroyWindow(window);
}

}  // namespace sim
