#include "settings/Profile.h"

#include <vector>

int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  DWORD value = 0;
  return ReadRegistryDword(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, &value) ? static_cast<int>(value)
                                                                                      : defaultValue;
}

std::string GetProfileString(const std::string& section, const std::string& entry, const std::string& defaultValue) {
  std::string value;
  return ReadRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, &value) ? value : defaultValue;
}

bool WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  return WriteRegistryDword(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, static_cast<DWORD>(value));
}

bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) {
  return WriteRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, value);
}

bool DeleteProfileValue(const std::string& section, const std::string& entry) {
  RegistryKey key(HKEY_CURRENT_USER, ProfileKeyPath(section), KEY_SET_VALUE, false);
  return key.get() && RegDeleteValueA(key.get(), entry.c_str()) == ERROR_SUCCESS;
}

std::vector<std::pair<std::string, std::string>> GetProfileStrings(const std::string& section) {
  std::vector<std::pair<std::string, std::string>> values;
  RegistryKey key(HKEY_CURRENT_USER, ProfileKeyPath(section), KEY_READ, false);
  if (!key.get()) return values;
  for (DWORD i = 0;; ++i) {
    char name[260];
    DWORD nameSize = sizeof name, type = 0, dataSize = 0;
    LSTATUS rc = RegEnumValueA(key.get(), i, name, &nameSize, nullptr, &type, nullptr, &dataSize);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) continue;  // long names are not read back
    std::string data;
    if (ReadRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(section), name, &data)) values.emplace_back(name, data);
  }
  return values;
}

std::string ProjectWiseLibraryPath() {
  std::string path;
  ReadRegistryString(HKEY_LOCAL_MACHINE, InstallationKeyPath(), "QuorvellePWPath", &path);
  return path;
}

bool DeleteProfileSection(const std::string& section) {
  const LSTATUS rc = RegDeleteKeyA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}
