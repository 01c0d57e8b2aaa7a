// What a window shows and holds: visibility, activation, caption, parent, slots;
// and finding windows by class and caption.
#include <algorithm>
#include <cstring>

#include "platform/windows.h"
#include "sim/platform/TextCase.h"
#include "sim/platform/WindowTable.h"

namespace sim {
namespace {

// The live window, or null with ERROR_INVALID_WINDOW_HANDLE.
Window* LiveOrFail(HWND handle) {
  Window* window = FindLiveWindow(handle);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

bool ClassMatches(const Window& window, LPCSTR className) {
  if (!className) return true;
  const WindowClass* windowClass = FindWindowClass(className);
  return windowClass && windowClass->atom == window.classAtom;
}

}  // namespace
}  // namespace sim

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  sim::Window* window = sim::LiveOrFail(hWnd);
  if (!window) return FALSE;
  BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
  switch (nCmdShow) {
    case SW_HIDE:
      window->style &= ~WS_VISIBLE;
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      window->style = (window->style | WS_VISIBLE) & ~WS_MINIMIZE;
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      window->style |= WS_VISIBLE | WS_MINIMIZE;
      break;
    default:
      window->style |= WS_VISIBLE;
      break;  // SW_SHOW, SW_SHOWNA and the rest
  }
  return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
  // Visible only when its parents are too.
  const sim::Window* window = sim::FindLiveWindow(hWnd);
  if (!window) return FALSE;
  for (; window; window = window->parent ? sim::FindLiveWindow(window->parent) : nullptr)
    if (!(window->style & WS_VISIBLE)) return FALSE;
  return TRUE;
}

BOOL IsIconic(HWND hWnd) {
  const sim::Window* window = sim::FindLiveWindow(hWnd);
  return window && (window->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND hWnd) {
  if (!sim::LiveOrFail(hWnd)) return FALSE;
  sim::ActiveWindow() = sim::TopLevelOf(hWnd);
  return TRUE;
}

// One thread owns every window here, so its active window is the foreground window.
HWND GetForegroundWindow() { return sim::ActiveWindow(); }
HWND GetActiveWindow() { return sim::ActiveWindow(); }

HWND SetActiveWindow(HWND hWnd) {
  if (!sim::LiveOrFail(hWnd)) return nullptr;
  HWND previous = sim::ActiveWindow();
  sim::ActiveWindow() = sim::TopLevelOf(hWnd);
  return previous;
}

HWND FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
  std::vector<HWND> windows = sim::LiveWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const sim::Window* window = sim::FindLiveWindow(*it);
    if (window->parent || window->messageOnly) continue;
    if (!sim::ClassMatches(*window, lpClassName)) continue;
    if (lpWindowName && !sim::EqualsIgnoringCase(window->text, lpWindowName)) continue;
    return *it;
  }
  return nullptr;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  const sim::Window* window = sim::LiveOrFail(hWnd);
  if (!window || !lpString || nMaxCount <= 0) return 0;
  std::size_t length = std::min(window->text.size(), static_cast<std::size_t>(nMaxCount - 1));
  // A cut text must not end in the middle of a character.
  if (length < window->text.size())
    while (length > 0 && (static_cast<unsigned char>(window->text[length]) & 0xC0) == 0x80) --length;
  std::memcpy(lpString, window->text.data(), length);
  lpString[length] = '\0';
  return static_cast<int>(length);
}

int GetWindowTextLengthA(HWND hWnd) {
  const sim::Window* window = sim::LiveOrFail(hWnd);
  return window ? static_cast<int>(window->text.size()) : 0;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  sim::Window* window = sim::LiveOrFail(hWnd);
  if (!window) return FALSE;
  window->text = lpString ? lpString : "";
  return TRUE;
}

HWND GetParent(HWND hWnd) {
  const sim::Window* window = sim::LiveOrFail(hWnd);
  if (!window) return nullptr;
  if (window->parent) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
  const sim::Window* window = sim::LiveOrFail(hWnd);
  if (!window) return 0;
  switch (nIndex) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_USERDATA:
      return window->userData;
    case GWLP_ID:
      return window->id;
    case GWL_STYLE:
      return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(window->exStyle);
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  sim::Window* window = sim::LiveOrFail(hWnd);
  if (!window) return 0;
  LONG_PTR previous = GetWindowLongPtrA(hWnd, nIndex);
  switch (nIndex) {
    case GWLP_WNDPROC:
      if (!dwNewLong) {  // a window without a procedure could not take its next message
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
      break;
    case GWLP_USERDATA:
      window->userData = dwNewLong;
      break;
    case GWLP_ID:
      window->id = dwNewLong;
      break;
    case GWL_STYLE:
      window->style = static_cast<DWORD>(dwNewLong);
      break;
    case GWL_EXSTYLE:
      window->exStyle = static_cast<DWORD>(dwNewLong);
      break;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
  return previous;
}
