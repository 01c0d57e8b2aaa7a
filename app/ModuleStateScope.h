// Every export switches to the module's own state on entry and back on every exit
// path, as an MFC extension module does; the scope object does both.
#pragma once

class ModuleStateScope {
 public:
  ModuleStateScope();
  ~ModuleStateScope();
  ModuleStateScope(const ModuleStateScope&) = delete;
  ModuleStateScope& operator=(const ModuleStateScope&) = delete;
  // How deep exports are nested (a module function called back from the host
  // while another one runs); 0 outside the module.
  static int Depth();
};
