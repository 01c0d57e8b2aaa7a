// Every export opens this scope first. It exists for the Windows build, where it
// switches to the module's MFC state and back on every way out; without MFC there is
// no such state, and it does nothing.
#pragma once

class ModuleStateScope {
 public:
  ModuleStateScope() {}
  ~ModuleStateScope() {}
  ModuleStateScope(const ModuleStateScope&) = delete;
  ModuleStateScope& operator=(const ModuleStateScope&) = delete;
};
