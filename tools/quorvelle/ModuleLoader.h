// Loads the module by name, as the host loads an application, and reaches it only
// through its exports and its key-in table.
#pragma once

#include <string>
#include <vector>

#include "host/mscommand.h"

class ModuleLoader {
 public:
  ModuleLoader() = default;
  ModuleLoader(const ModuleLoader&) = delete;
  ModuleLoader& operator=(const ModuleLoader&) = delete;
  ~ModuleLoader();
  // Loads the library; false with the reason in error().
  bool Load(const std::string& path);
  // Calls InitApplicationDll.
  int Initialise();
  // Calls UnloadApplicationDll and unloads the library.
  void Unload();

  bool IsLoaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }
  const std::vector<MdlCommandEntry>& commands() const { return commands_; }
  // The entry whose key-in is the start of the text (the longest such key-in), or null;
  // `rest` receives what follows it.
  const MdlCommandEntry* Find(const std::string& keyin, std::string* rest) const;
  void* Export(const char* name) const;

  // The module next to this program, or the one named by QUORVELLE_MODULE.
  static std::string DefaultPath(const char* argv0);

 private:
  void* handle_ = nullptr;
  bool initialised_ = false;
  std::string error_;
  std::vector<MdlCommandEntry> commands_;
};
