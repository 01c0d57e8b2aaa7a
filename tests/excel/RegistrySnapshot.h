// The whole registry in use as plain text, so that a test can say exactly which
// keys and values an operation changed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace registry_snapshot {

// "HKCU\Software\...\" for a key, "HKCU\Software\...\|name" for a value, mapped to
// "" for a key and "<type>:<data bytes>" for a value.
using Snapshot = std::map<std::string, std::string>;

inline void AddKey(HKEY key, const std::string& path, Snapshot& snapshot) {
  snapshot[path] = "";
  for (DWORD index = 0;; ++index) {
    char name[16384];
    DWORD nameChars = sizeof name, type = 0, size = 0;
    if (RegEnumValueA(key, index, name, &nameChars, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::vector<BYTE> data(size + 1);
    RegQueryValueExA(key, name, nullptr, &type, data.data(), &size);
    snapshot[path + "|" + name] = std::to_string(type) + ":" + std::string(data.begin(), data.begin() + size);
  }
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameChars = sizeof name;
    if (RegEnumKeyExA(key, index, name, &nameChars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY subkey = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &subkey) != ERROR_SUCCESS) continue;
    AddKey(subkey, path + name + "\\", snapshot);
    RegCloseKey(subkey);
  }
}

inline Snapshot Take() {
  Snapshot snapshot;
  AddKey(HKEY_CLASSES_ROOT, "HKCR\\", snapshot);
  AddKey(HKEY_CURRENT_USER, "HKCU\\", snapshot);
  AddKey(HKEY_LOCAL_MACHINE, "HKLM\\", snapshot);
  return snapshot;
}

// What differs between two snapshots: entries added or changed ("+"), removed ("-").
inline std::vector<std::string> Changes(const Snapshot& before, const Snapshot& after) {
  std::vector<std::string> changes;
  for (const auto& [entry, content] : after)
    if (auto it = before.find(entry); it == before.end() || it->second != content) changes.push_back("+" + entry);
  for (const auto& [entry, content] : before)
    if (!after.count(entry)) changes.push_back("-" + entry);
  return changes;
}

}  // namespace registry_snapshot
