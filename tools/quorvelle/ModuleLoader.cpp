#include "tools/quorvelle/ModuleLoader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

ModuleLoader::~ModuleLoader() { Unload(); }

bool ModuleLoader::Load(const std::string& path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* e = dlerror();
    error_ = "Cannot load the module " + path + ": " + (e ? e : "unknown error");
    return false;
  }
  auto table = reinterpret_cast<MdlCommandTableFunc>(dlsym(handle_, kMdlCommandTableExport));
  if (!table) {
    error_ = "The module " + path + " has no key-in table.";
    dlclose(handle_);
    handle_ = nullptr;
    return false;
  }
  int count = 0;
  const MdlCommandEntry* entries = table(&count);
  commands_.assign(entries, entries + std::max(count, 0));
  return true;
}

int ModuleLoader::Initialise() {
  auto init = reinterpret_cast<int (*)()>(Export("InitApplicationDll"));
  if (!init) return -1;
  initialised_ = true;
  return init();
}

void ModuleLoader::Unload() {
  if (!handle_) return;
  if (initialised_)
    if (auto unload = reinterpret_cast<int (*)()>(Export("UnloadApplicationDll"))) unload();
  initialised_ = false;
  dlclose(handle_);
  handle_ = nullptr;
}

void* ModuleLoader::Export(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

const MdlCommandEntry* ModuleLoader::Find(const std::string& keyin, std::string* rest) const {
  std::string upper = Upper(keyin);
  const MdlCommandEntry* best = nullptr;
  size_t bestLength = 0;
  for (const auto& c : commands_) {
    std::string k = c.keyin;
    bool matches = upper.compare(0, k.size(), k) == 0 && (upper.size() == k.size() || upper[k.size()] == ' ');
    if (matches && k.size() > bestLength) {
      best = &c;
      bestLength = k.size();
    }
  }
  if (best && rest) {
    size_t start = std::min(bestLength + 1, keyin.size());
    *rest = keyin.substr(start);
  }
  return best;
}

std::string ModuleLoader::DefaultPath(const char* argv0) {
  if (const char* env = std::getenv("QUORVELLE_MODULE"); env && *env) return env;
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return (self.parent_path() / "libMdlQuorvelle.so").string();
}
