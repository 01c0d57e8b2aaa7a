#include "tools/quorvelle/RegistryCommand.h"

#include <iostream>

#include "platform/registry.h"

namespace {

struct Root {
  const char* name;
  HKEY key;
};

bool SplitKey(const std::string& full, HKEY* root, std::string* path) {
  const Root roots[] = {{"HKEY_CURRENT_USER", HKEY_CURRENT_USER}, {"HKCU", HKEY_CURRENT_USER},
                        {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKLM", HKEY_LOCAL_MACHINE},
                        {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT}, {"HKCR", HKEY_CLASSES_ROOT}};
  size_t slash = full.find('\\');
  std::string first = full.substr(0, slash);
  for (const auto& r : roots)
    if (first == r.name) {
      *root = r.key;
      *path = slash == std::string::npos ? "" : full.substr(slash + 1);
      return true;
    }
  return false;
}

std::string ValueText(DWORD type, const std::vector<BYTE>& data, DWORD size) {
  if (type == REG_DWORD && size == 4)
    return "dword:" + std::to_string(data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<DWORD>(data[3]) << 24));
  if (type == REG_SZ || type == REG_EXPAND_SZ) return std::string(reinterpret_cast<const char*>(data.data()));
  return "(" + std::to_string(size) + " bytes of type " + std::to_string(type) + ")";
}

class Key {
 public:
  Key(HKEY root, const std::string& path, REGSAM access, bool create) {
    LSTATUS rc = create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr)
                        : RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
    status = rc;
    if (rc != ERROR_SUCCESS) key_ = nullptr;
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }
  LSTATUS status;

 private:
  HKEY key_ = nullptr;
};

std::string Failure(const char* what, LSTATUS status) {
  return std::string(what) + " failed with system error " + std::to_string(status) + ".";
}

}  // namespace

std::string RunRegistryCommand(const std::vector<std::string>& w) {
  const char* usage = "Use: registry get KEY NAME | set KEY NAME VALUE | delete KEY NAME | list KEY";
  if (w.size() < 2) return usage;
  HKEY root;
  std::string path;
  if (!SplitKey(w[1], &root, &path)) return "A key starts with its root, as HKEY_CURRENT_USER\\Software\\...";
  const std::string& verb = w[0];
  if (verb == "get" && w.size() == 3) {
    Key key(root, path, KEY_READ, false);
    if (!key.get()) return "No such key: " + w[1];
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), w[2].c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return "No such value: " + w[2];
    std::vector<BYTE> data(size + 1, 0);
    RegQueryValueExA(key.get(), w[2].c_str(), nullptr, &type, data.data(), &size);
    std::cout << ValueText(type, data, size) << "\n";
  } else if (verb == "set" && w.size() == 4) {
    Key key(root, path, KEY_WRITE, true);
    if (!key.get()) return Failure("Opening the key", key.status);
    LSTATUS rc;
    if (w[3].rfind("dword:", 0) == 0) {
      DWORD v = 0;
      try {
        v = static_cast<DWORD>(std::stoul(w[3].substr(6), nullptr, 0));
      } catch (...) {
        return "dword:N needs a number, not " + w[3];
      }
      rc = RegSetValueExA(key.get(), w[2].c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
    } else {
      rc = RegSetValueExA(key.get(), w[2].c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(w[3].c_str()),
                          static_cast<DWORD>(w[3].size() + 1));
    }
    if (rc != ERROR_SUCCESS) return Failure("Writing the value", rc);
  } else if (verb == "delete" && w.size() == 3) {
    Key key(root, path, KEY_SET_VALUE, false);
    if (!key.get()) return "No such key: " + w[1];
    if (LSTATUS rc = RegDeleteValueA(key.get(), w[2].c_str()); rc != ERROR_SUCCESS) return Failure("Deleting", rc);
  } else if (verb == "list" && w.size() == 2) {
    Key key(root, path, KEY_READ, false);
    if (!key.get()) return "No such key: " + w[1];
    for (DWORD i = 0;; ++i) {
      char name[16384];
      DWORD nameSize = sizeof name, type = 0, size = 0;
      if (RegEnumValueA(key.get(), i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
      std::vector<BYTE> data(size + 1, 0);
      RegQueryValueExA(key.get(), name, nullptr, &type, data.data(), &size);
      std::cout << name << " = " << ValueText(type, data, size) << "\n";
    }
  } else {
    return usage;
  }
  return "";
}
