#include "support/Registry.h"

#include <algorithm>
#include <vector>

const char kRegistryRoot[] = "Korvu\\KorvuMSV8i";
const char kProductSection[] = "Quorvelle";

namespace {
// Texts longer than this are not settings; they are read as absent.
constexpr DWORD kMaxText = 1 << 20;
}  // namespace

std::string InstallationKeyPath() { return std::string("SOFTWARE\\") + kRegistryRoot + "\\" + kProductSection; }

std::string ProfileKeyPath(const std::string& section) {
  return std::string("Software\\") + kRegistryRoot + "\\" + section;
}

RegistryKey::RegistryKey(HKEY root, const std::string& path, REGSAM access, bool create) {
  const LSTATUS rc = create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                              nullptr, &key_, nullptr)
                            : RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
  if (rc != ERROR_SUCCESS) key_ = nullptr;
}

RegistryKey::~RegistryKey() {
  if (key_) RegCloseKey(key_);
}

bool ReadRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD* value) {
  RegistryKey key(root, path, KEY_READ, false);
  if (!key.get()) return false;
  DWORD type = 0, data = 0, size = sizeof data;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof data)
    return false;
  *value = data;
  return true;
}

bool ReadRegistryString(HKEY root, const std::string& path, const std::string& name, std::string* value) {
  RegistryKey key(root, path, KEY_READ, false);
  if (!key.get()) return false;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxText)
    return false;
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  data[std::min<size_t>(size, data.size() - 1)] = '\0';
  *value = data.data();
  return true;
}

bool WriteRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  RegistryKey key(root, path, KEY_WRITE, true);
  return key.get() && RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                     sizeof value) == ERROR_SUCCESS;
}

bool WriteRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
  RegistryKey key(root, path, KEY_WRITE, true);
  return key.get() && RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

