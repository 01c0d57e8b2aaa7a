// The live windows and window classes, shared by the window functions and the
// message queue. Records are looked up afresh after every call into a window
// procedure, since the procedure may destroy any window.
#pragma once

#include <string>
#include <vector>

#include "platform/windows.h"

namespace sim {

struct Window {
  HWND handle = nullptr;
  ATOM classAtom = 0;
  std::string text;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // of a WS_CHILD window
  HWND owner = nullptr;   // of any other window
  bool messageOnly = false;
  LONG_PTR userData = 0;
  LONG_PTR id = 0;
  bool destroying = false;
};

struct WindowClass {
  ATOM atom = 0;
  std::string name;
  WNDPROC proc = nullptr;
};

// The live window with this handle, or null.
Window* FindLiveWindow(HWND handle);
// Live windows in creation order, oldest first.
std::vector<HWND> LiveWindows();
// The top-level window a window belongs to (itself when it is top-level).
HWND TopLevelOf(HWND handle);

const WindowClass* FindWindowClass(LPCSTR nameOrAtom);

// Creates the record; returns its new, never reused handle.
HWND AddWindow(Window window);
// Removes a destroyed window's record and every message still queued for it.
void ForgetWindow(HWND handle);

// The window that was last made active or foreground, or null.
HWND& ActiveWindow();

// Forgets every window and class without calling any window procedure.
void ResetWindows();

}  // namespace sim
