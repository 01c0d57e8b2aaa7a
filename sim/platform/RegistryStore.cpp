#include "sim/platform/RegistryStore.h"

#include <cstdint>
#include <cstdlib>
#include <map>

#include "sim/platform/RegistryFile.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

enum class Backing { Memory, File, Unusable };

struct OpenKey {
  std::shared_ptr<RegistryKey> key;
  REGSAM access = 0;
};

struct Registry {
  bool chosen = false;  // false until a backing is chosen; the first use takes the default
  Backing backing = Backing::Memory;
  RegistryRoots roots = EmptyRoots();
  std::string path;
  std::string loadError;
  std::string writeError;
  std::map<std::uintptr_t, OpenKey> handles;
  std::uintptr_t nextHandle = 0x100;
};

Registry& State() {
  static Registry registry;
  return registry;
}

void Choose(Backing backing, std::string path) {
  Registry& registry = State();
  registry = Registry{};
  registry.chosen = true;
  registry.backing = backing;
  registry.path = std::move(path);
}

Registry& ChosenState() {
  if (!State().chosen) UseRegistryFile(DefaultRegistryPath());
  return State();
}

// The root a predefined handle stands for, or -1.
int RootIndex(HKEY handle) {
  if (handle == HKEY_CLASSES_ROOT) return 0;
  if (handle == HKEY_CURRENT_USER) return 1;
  if (handle == HKEY_LOCAL_MACHINE) return 2;
  return -1;
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

LSTATUS KeyOfHandle(HKEY handle, REGSAM needed, std::shared_ptr<RegistryKey>& key) {
  Registry& registry = ChosenState();
  int root = RootIndex(handle);
  if (root >= 0) {
    key = registry.roots[static_cast<std::size_t>(root)];
    return ERROR_SUCCESS;
  }
  auto it = registry.handles.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == registry.handles.end()) return ERROR_INVALID_HANDLE;
  if (it->second.key->deleted) return ERROR_KEY_DELETED;
  if ((it->second.access & needed) != needed) return ERROR_ACCESS_DENIED;
  key = it->second.key;
  return ERROR_SUCCESS;
}

HKEY OpenKeyHandle(std::shared_ptr<RegistryKey> key, REGSAM access) {
  Registry& registry = ChosenState();
  registry.nextHandle += 4;
  // The 32/64-bit view flags only choose a view of the registry; there is one here.
  registry.handles[registry.nextHandle] = OpenKey{std::move(key), access & ~(KEY_WOW64_32KEY | KEY_WOW64_64KEY)};
  return reinterpret_cast<HKEY>(registry.nextHandle);
}

bool CloseKeyHandle(HKEY handle) {
  if (RootIndex(handle) >= 0) return true;
  return ChosenState().handles.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0;
}

LSTATUS CheckRegistryWritable() {
  return ChosenState().backing == Backing::Unusable ? ERROR_REGISTRY_CORRUPT : ERROR_SUCCESS;
}

LSTATUS SaveRegistryChange(const std::function<void()>& undo) {
  Registry& registry = ChosenState();
  if (registry.backing != Backing::File) return ERROR_SUCCESS;
  DWORD error = SaveRegistryFile(registry.path, registry.roots, registry.writeError);
  if (error != ERROR_SUCCESS) undo();
  return static_cast<LSTATUS>(error);
}

void UseInMemoryRegistry() { Choose(Backing::Memory, ""); }

bool UseRegistryFile(const std::string& linuxPath) {
  Choose(Backing::File, linuxPath);
  Registry& registry = State();
  if (linuxPath.empty()) {
    registry.backing = Backing::Unusable;
    registry.loadError = "No registry file is named, and there is no home folder to keep one in.";
    return false;
  }
  if (LoadRegistryFile(linuxPath, registry.roots, registry.loadError) == RegistryFileState::Unusable) {
    registry.backing = Backing::Unusable;
    registry.roots = EmptyRoots();
    return false;
  }
  return true;
}

std::string DefaultRegistryPath() {
  if (std::string named = EnvironmentText("QUORVELLE_REGISTRY"); !named.empty()) return named;
  if (std::string config = EnvironmentText("XDG_CONFIG_HOME"); !config.empty() && config[0] == '/')
    return config + "/quorvelle/registry.json";
  if (std::string home = EnvironmentText("HOME"); !home.empty()) return home + "/.config/quorvelle/registry.json";
  return "";
}

std::string RegistryFilePath() {
  const Registry& registry = ChosenState();
  return registry.backing == Backing::Memory ? "" : registry.path;
}

std::string RegistryLoadError() { return ChosenState().loadError; }
std::string RegistryWriteError() { return ChosenState().writeError; }

}  // namespace sim
