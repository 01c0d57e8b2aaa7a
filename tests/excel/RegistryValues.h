// Writing and reading registry values in tests, through the platform registry.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

namespace test_registry {

inline bool SetValue(HKEY root, const std::string& keyPath, const std::string& name, DWORD type,
                     const std::string& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  bool written = RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

inline bool KeyExists(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The names of a key's values in their order; empty when the key is missing.
inline std::vector<std::string> ValueNames(HKEY root, const std::string& keyPath) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  for (DWORD index = 0;; ++index) {
    char name[16384];
    DWORD nameChars = sizeof name;
    if (RegEnumValueA(key, index, name, &nameChars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, nameChars);
  }
  RegCloseKey(key);
  return names;
}

}  // namespace test_registry
