// Creating and destroying windows.
#include "platform/windows.h"
#include "sim/SimFailures.h"
#include "sim/platform/Failure.h"
#include "sim/platform/WindowTable.h"

namespace sim {
namespace {

std::vector<HWND> WindowsWhere(bool (*related)(const Window&, HWND), HWND handle) {
  std::vector<HWND> found;
  for (HWND candidate : LiveWindows())
    if (const Window* window = FindLiveWindow(candidate); window && related(*window, handle))
      found.push_back(candidate);
  return found;
}

bool IsChildOf(const Window& window, HWND parent) { return window.parent == parent; }
bool IsOwnedBy(const Window& window, HWND owner) { return window.owner == owner; }

// WM_DESTROY to the window, then to its children: each may still use its children.
void SendDestroy(HWND handle) {
  SendMessageA(handle, WM_DESTROY, 0, 0);
  for (HWND child : WindowsWhere(IsChildOf, handle)) {
    Window* childWindow = FindLiveWindow(child);
    if (!childWindow || childWindow->destroying) continue;
    childWindow->destroying = true;
    SendDestroy(child);
  }
}

// WM_NCDESTROY to the children, then to the window, which is then gone.
void SendNcDestroy(HWND handle) {
  for (HWND child : WindowsWhere(IsChildOf, handle)) SendNcDestroy(child);
  if (!FindLiveWindow(handle)) return;
  SendMessageA(handle, WM_NCDESTROY, 0, 0);
  ForgetWindow(handle);
}

}  // namespace
}  // namespace sim

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y, int nWidth,
                     int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
  if (sim::ShouldFail("CreateWindowExA")) return sim::FailWith<HWND>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
  const sim::WindowClass* windowClass = sim::FindWindowClass(lpClassName);
  if (!windowClass) return sim::FailWith<HWND>(ERROR_CANNOT_FIND_WND_CLASS, nullptr);

  sim::Window window;
  window.classAtom = windowClass->atom;
  window.proc = windowClass->proc;
  window.text = lpWindowName ? lpWindowName : "";
  window.style = dwStyle & ~(WS_VISIBLE | WS_MINIMIZE);  // shown once it has handled WM_CREATE
  window.exStyle = dwExStyle;
  if (hWndParent == HWND_MESSAGE) {
    window.messageOnly = true;
  } else if (hWndParent) {
    if (!sim::FindLiveWindow(hWndParent)) return sim::FailWith<HWND>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
    if (dwStyle & WS_CHILD)
      window.parent = hWndParent;
    else
      window.owner = sim::TopLevelOf(hWndParent);  // only top-level windows own others
  } else if (dwStyle & WS_CHILD) {
    return sim::FailWith<HWND>(ERROR_INVALID_PARAMETER, nullptr);  // a child needs its parent
  }
  if (dwStyle & WS_CHILD) window.id = reinterpret_cast<LONG_PTR>(hMenu);
  HWND handle = sim::AddWindow(std::move(window));

  CREATESTRUCTA create{lpParam,
                       hInstance,
                       hMenu,
                       hWndParent == HWND_MESSAGE ? nullptr : hWndParent,
                       nHeight,
                       nWidth,
                       Y,
                       X,
                       static_cast<LONG>(dwStyle),
                       lpWindowName,
                       lpClassName,
                       dwExStyle};
  LRESULT result = SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
  if (result == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  sim::Window* created = sim::FindLiveWindow(handle);
  if (!created) return nullptr;  // destroyed while handling WM_CREATE
  created->style |= dwStyle & (WS_VISIBLE | WS_MINIMIZE);
  return handle;
}

BOOL DestroyWindow(HWND hWnd) {
  sim::Window* window = sim::FindLiveWindow(hWnd);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (window->destroying) return TRUE;  // already under way; the first call finishes it
  window->destroying = true;
  for (HWND owned : sim::WindowsWhere(sim::IsOwnedBy, hWnd)) DestroyWindow(owned);
  if (!sim::FindLiveWindow(hWnd)) return TRUE;
  sim::SendDestroy(hWnd);
  sim::SendNcDestroy(hWnd);
  return TRUE;
}

BOOL IsWindow(HWND hWnd) { return sim::FindLiveWindow(hWnd) ? TRUE : FALSE; }
