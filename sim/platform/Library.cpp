// Libraries are Linux shared objects opened with dlopen. A module handle is the
// dlopen handle, which is the same for every load of one file, so loads are counted
// per handle and each FreeLibrary gives one of them back.
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/library.h"
#include "sim/platform/DriveMap.h"
#include "sim/platform/LoadedLibraries.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

// dlopen handle -> loads not yet freed.
std::map<void*, std::size_t>& Loads() {
  static std::map<void*, std::size_t> loads;
  return loads;
}

void* DlopenHandleOf(HMODULE module) {
  void* handle = reinterpret_cast<void*>(module);
  return Loads().count(handle) ? handle : nullptr;
}

// Why dlopen refused a file that is there, as Windows would say it.
DWORD LoadError(std::string_view reason) {
  if (reason.find("No such file") != std::string_view::npos) return ERROR_MOD_NOT_FOUND;  // a library it needs
  if (reason.find("Permission denied") != std::string_view::npos) return ERROR_ACCESS_DENIED;
  if (reason.find("undefined symbol") != std::string_view::npos) return ERROR_PROC_NOT_FOUND;
  return ERROR_BAD_FORMAT;
}

// True when the symbol is defined by the library behind `handle` itself rather
// than by one of the libraries it uses (GetProcAddress sees only a module's exports).
bool DefinedBy(void* handle, void* symbol) {
  link_map* library = nullptr;
  link_map* owner = nullptr;
  Dl_info info;
  if (::dlinfo(handle, RTLD_DI_LINKMAP, &library) != 0) return false;
  if (!::dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP)) return false;
  return owner == library;
}

}  // namespace

void FreeAllLibraries() {
  for (auto& [handle, loads] : Loads())
    for (; loads > 0; --loads) ::dlclose(handle);
  Loads().clear();
}

std::size_t LoadedLibraryCount() {
  std::size_t count = 0;
  for (const auto& [handle, loads] : Loads()) count += loads;
  return count;
}

}  // namespace sim

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
  std::string linuxPath;
  if (!sim::ResolvePathArgument(lpLibFileName, linuxPath)) {
    if (GetLastError() != ERROR_INVALID_PARAMETER) SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  struct stat st;
  if (::stat(linuxPath.c_str(), &st) != 0) {
    SetLastError(errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  if (S_ISDIR(st.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  if (!S_ISREG(st.st_mode)) {
    SetLastError(ERROR_BAD_FORMAT);
    return nullptr;
  }
  void* handle = ::dlopen(linuxPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = ::dlerror();
    SetLastError(sim::LoadError(reason ? reason : ""));
    return nullptr;
  }
  ++sim::Loads()[handle];
  return reinterpret_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  void* handle = sim::DlopenHandleOf(hModule);
  if (!handle) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // A value below 64 Ki is an ordinal, not a name; exports are found by name only.
  if (reinterpret_cast<std::uintptr_t>(lpProcName) <= 0xFFFF) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  ::dlerror();
  void* symbol = ::dlsym(handle, lpProcName);
  if (!symbol || !sim::DefinedBy(handle, symbol)) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE hLibModule) {
  void* handle = sim::DlopenHandleOf(hLibModule);
  if (!handle) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  auto it = sim::Loads().find(handle);
  if (--it->second == 0) sim::Loads().erase(it);
  ::dlclose(handle);
  return TRUE;
}
