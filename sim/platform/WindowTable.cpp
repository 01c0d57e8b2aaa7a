#include "sim/platform/WindowTable.h"

#include <cstdint>
#include <map>
#include <memory>

#include "sim/platform/MessageQueue.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

struct Windows {
  std::map<std::uintptr_t, std::unique_ptr<Window>> live;
  std::uintptr_t nextHandle = 0x10000;
  std::vector<WindowClass> classes;
  ATOM nextAtom = 0xC000;  // where Windows numbers registered classes from
  HWND active = nullptr;
};

Windows& State() {
  static Windows windows;
  return windows;
}

bool IsAtom(LPCSTR nameOrAtom) { return reinterpret_cast<std::uintptr_t>(nameOrAtom) < 0x10000; }

}  // namespace

Window* FindLiveWindow(HWND handle) {
  auto& live = State().live;
  auto it = live.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == live.end() ? nullptr : it->second.get();
}

std::vector<HWND> LiveWindows() {
  std::vector<HWND> handles;
  for (const auto& [value, window] : State().live) handles.push_back(window->handle);
  return handles;
}

HWND TopLevelOf(HWND handle) {
  for (Window* window = FindLiveWindow(handle); window && window->parent; window = FindLiveWindow(window->parent))
    handle = window->parent;
  return handle;
}

const WindowClass* FindWindowClass(LPCSTR nameOrAtom) {
  if (!nameOrAtom) return nullptr;
  for (const WindowClass& windowClass : State().classes) {
    bool match = IsAtom(nameOrAtom) ? reinterpret_cast<std::uintptr_t>(nameOrAtom) == windowClass.atom
                                    : EqualsIgnoringCase(windowClass.name, nameOrAtom);
    if (match) return &windowClass;
  }
  return nullptr;
}

HWND AddWindow(Window window) {
  Windows& state = State();
  state.nextHandle += 2;
  window.handle = reinterpret_cast<HWND>(state.nextHandle);
  HWND handle = window.handle;
  state.live.emplace(state.nextHandle, std::make_unique<Window>(std::move(window)));
  return handle;
}

void ForgetWindow(HWND handle) {
  State().live.erase(reinterpret_cast<std::uintptr_t>(handle));
  DropQueuedMessagesFor(handle);
  if (State().active == handle) State().active = nullptr;
}

HWND& ActiveWindow() { return State().active; }

std::size_t WindowCount() { return State().live.size(); }

void ResetWindows() {
  Windows& state = State();
  state.live.clear();
  state.classes.clear();
  state.nextAtom = 0xC000;
  state.active = nullptr;
}

}  // namespace sim

ATOM RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (!lpWndClass || !lpWndClass->lpfnWndProc || !lpWndClass->lpszClassName || !*lpWndClass->lpszClassName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (sim::FindWindowClass(lpWndClass->lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  sim::Windows& state = sim::State();
  if (state.nextAtom == 0) {  // every class number is taken
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  ATOM atom = state.nextAtom++;
  state.classes.push_back(sim::WindowClass{atom, lpWndClass->lpszClassName, lpWndClass->lpfnWndProc});
  return atom;
}

BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
  const sim::WindowClass* windowClass = sim::FindWindowClass(lpClassName);
  if (!windowClass) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  for (const auto& [value, window] : sim::State().live) {
    if (window->classAtom == windowClass->atom) {
      SetLastError(ERROR_CLASS_HAS_WINDOWS);
      return FALSE;
    }
  }
  ATOM atom = windowClass->atom;
  std::erase_if(sim::State().classes, [&](const sim::WindowClass& c) { return c.atom == atom; });
  return TRUE;
}
