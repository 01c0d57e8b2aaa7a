// Registry keys: opening, creating, closing, deleting, enumerating, describing.
#include <algorithm>
#include <cstring>

#include "platform/registry.h"
#include "sim/SimFailures.h"
#include "sim/platform/FileTimeTicks.h"
#include "sim/platform/RegistryStore.h"

namespace sim {
namespace {

// Copies a name into a caller's buffer of *capacity characters (NUL included) and
// sets *capacity to its length; ERROR_MORE_DATA when it does not fit.
LSTATUS CopyName(const std::string& name, LPSTR buffer, DWORD* capacity) {
  if (name.size() + 1 > *capacity) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *capacity = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

// Keys have no class here: an empty one goes out when asked for.
LSTATUS CopyEmptyClass(LPSTR lpClass, DWORD* lpcchClass) {
  if (!lpClass) {
    if (lpcchClass) *lpcchClass = 0;
    return ERROR_SUCCESS;
  }
  if (!lpcchClass) return ERROR_INVALID_PARAMETER;
  return CopyName("", lpClass, lpcchClass);
}

// Walks `path` down from `key`; ERROR_BAD_PATHNAME or ERROR_FILE_NOT_FOUND.
LSTATUS FindKey(std::shared_ptr<RegistryKey>& key, LPCSTR path) {
  std::vector<std::string> names;
  if (!SplitKeyPath(path ? path : "", names)) return ERROR_BAD_PATHNAME;
  for (const std::string& name : names) {
    key = key->FindSubkey(name);
    if (!key) return ERROR_FILE_NOT_FOUND;
  }
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, 0, key)) return status;
  if (LSTATUS status = sim::FindKey(key, lpSubKey)) return status;
  *phkResult = sim::OpenKeyHandle(std::move(key), samDesired);
  return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions, REGSAM samDesired,
                        const SECURITY_ATTRIBUTES* lpSecurityAttributes, PHKEY phkResult, DWORD* lpdwDisposition) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  if (sim::ShouldFail("RegCreateKeyExA")) return ERROR_ACCESS_DENIED;
  // Volatile and backup keys are not offered: every key here is kept.
  if (dwOptions != REG_OPTION_NON_VOLATILE) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, 0, key)) return status;
  std::vector<std::string> names;
  if (!sim::SplitKeyPath(lpSubKey ? lpSubKey : "", names)) return ERROR_BAD_PATHNAME;

  std::size_t existing = 0;
  for (; existing < names.size(); ++existing) {
    std::shared_ptr<sim::RegistryKey> subkey = key->FindSubkey(names[existing]);
    if (!subkey) break;
    key = std::move(subkey);
  }
  bool creating = existing < names.size();
  if (creating) {
    std::shared_ptr<sim::RegistryKey> parentCheck;
    if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_CREATE_SUB_KEY, parentCheck)) return status;
    if (LSTATUS status = sim::CheckRegistryWritable()) return status;
    if (key->Depth() + (names.size() - existing) > sim::kMaxKeyDepth) return ERROR_INVALID_PARAMETER;

    std::shared_ptr<sim::RegistryKey> attachedTo = key;
    std::uint64_t attachedToTicks = attachedTo->lastWriteTicks;
    std::shared_ptr<sim::RegistryKey> firstCreated;
    for (std::size_t i = existing; i < names.size(); ++i) {
      auto subkey = std::make_shared<sim::RegistryKey>();
      subkey->name = names[i];
      subkey->Touch();
      key->AddSubkey(subkey);
      if (!firstCreated) firstCreated = subkey;
      key = std::move(subkey);
    }
    attachedTo->Touch();
    LSTATUS status = sim::SaveRegistryChange([&] {
      attachedTo->RemoveSubkey(firstCreated.get());
      attachedTo->lastWriteTicks = attachedToTicks;
    });
    if (status) return status;
  }
  *phkResult = sim::OpenKeyHandle(std::move(key), samDesired);
  if (lpdwDisposition) *lpdwDisposition = creating ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY hKey) { return sim::CloseKeyHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }

LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  if (sim::ShouldFail("RegDeleteKeyA")) return ERROR_ACCESS_DENIED;
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, 0, key)) return status;
  if (LSTATUS status = sim::FindKey(key, lpSubKey)) return status;
  // Roots stay, and so does a key with subkeys, as on Windows.
  if (!key->parent || !key->subkeys.empty()) return ERROR_ACCESS_DENIED;
  if (LSTATUS status = sim::CheckRegistryWritable()) return status;

  sim::RegistryKey* parent = key->parent;
  std::uint64_t parentTicks = parent->lastWriteTicks;
  parent->RemoveSubkey(key.get());
  parent->Touch();
  key->deleted = true;
  return sim::SaveRegistryChange([&] {
    key->deleted = false;
    parent->AddSubkey(key);
    parent->lastWriteTicks = parentTicks;
  });
}

LSTATUS RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, DWORD* lpcchName, DWORD* lpReserved, LPSTR lpClass,
                      DWORD* lpcchClass, PFILETIME lpftLastWriteTime) {
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_ENUMERATE_SUB_KEYS, key)) return status;
  if (!lpName || !lpcchName || lpReserved) return ERROR_INVALID_PARAMETER;
  if (dwIndex >= key->subkeys.size()) return ERROR_NO_MORE_ITEMS;
  const sim::RegistryKey& subkey = *key->subkeys[dwIndex];
  if (LSTATUS status = sim::CopyName(subkey.name, lpName, lpcchName)) return status;
  if (LSTATUS status = sim::CopyEmptyClass(lpClass, lpcchClass)) return status;
  if (lpftLastWriteTime) *lpftLastWriteTime = sim::FileTimeOf(subkey.lastWriteTicks);
  return ERROR_SUCCESS;
}

LSTATUS RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, DWORD* lpcchClass, DWORD* lpReserved, DWORD* lpcSubKeys,
                         DWORD* lpcbMaxSubKeyLen, DWORD* lpcbMaxClassLen, DWORD* lpcValues, DWORD* lpcbMaxValueNameLen,
                         DWORD* lpcbMaxValueLen, DWORD* lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_QUERY_VALUE, key)) return status;
  if (lpReserved) return ERROR_INVALID_PARAMETER;
  if (LSTATUS status = sim::CopyEmptyClass(lpClass, lpcchClass)) return status;

  std::size_t longestSubkey = 0, longestName = 0, largestData = 0;
  for (const auto& subkey : key->subkeys) longestSubkey = std::max(longestSubkey, subkey->name.size());
  for (const sim::RegistryValue& value : key->values) {
    longestName = std::max(longestName, value.name.size());
    largestData = std::max(largestData, value.data.size());
  }
  if (lpcSubKeys) *lpcSubKeys = static_cast<DWORD>(key->subkeys.size());
  if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = static_cast<DWORD>(longestSubkey);
  if (lpcbMaxClassLen) *lpcbMaxClassLen = 0;
  if (lpcValues) *lpcValues = static_cast<DWORD>(key->values.size());
  if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = static_cast<DWORD>(longestName);
  if (lpcbMaxValueLen) *lpcbMaxValueLen = static_cast<DWORD>(largestData);
  if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
  if (lpftLastWriteTime) *lpftLastWriteTime = sim::FileTimeOf(key->lastWriteTicks);
  return ERROR_SUCCESS;
}
