// Registry values: reading, writing, deleting, enumerating.
#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/registry.h"
#include "sim/SimFailures.h"
#include "sim/platform/RegistryStore.h"

namespace sim {
namespace {

// Hands out a value's type and data the Windows way: *lpcbData is the buffer size
// in and the data size out; no buffer asks for the size only; a buffer too small
// gives ERROR_MORE_DATA with the size needed.
LSTATUS CopyData(const RegistryValue& value, DWORD* lpType, BYTE* lpData, DWORD* lpcbData) {
  if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
  if (lpType) *lpType = value.type;
  if (!lpcbData) return ERROR_SUCCESS;
  auto size = static_cast<DWORD>(value.data.size());
  bool fits = *lpcbData >= size;
  *lpcbData = size;
  if (!lpData) return ERROR_SUCCESS;
  if (!fits) return ERROR_MORE_DATA;
  std::copy(value.data.begin(), value.data.end(), lpData);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, DWORD* lpReserved, DWORD* lpType, BYTE* lpData,
                         DWORD* lpcbData) {
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_QUERY_VALUE, key)) return status;
  if (lpReserved) return ERROR_INVALID_PARAMETER;
  const sim::RegistryValue* value = key->FindValue(lpValueName ? lpValueName : "");
  if (!value) return ERROR_FILE_NOT_FOUND;
  return sim::CopyData(*value, lpType, lpData, lpcbData);
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData) {
  if (sim::ShouldFail("RegSetValueExA")) return ERROR_ACCESS_DENIED;
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_SET_VALUE, key)) return status;
  if (LSTATUS status = sim::CheckRegistryWritable()) return status;
  std::string name = lpValueName ? lpValueName : "";
  if (!sim::IsValidValueName(name) || (!lpData && cbData > 0)) return ERROR_INVALID_PARAMETER;
  if (cbData > sim::kMaxValueBytes) return ERROR_NOT_ENOUGH_QUOTA;
  std::vector<BYTE> data(lpData, lpData + cbData);
  if (!sim::NormaliseValueData(dwType, data)) return ERROR_INVALID_PARAMETER;

  std::uint64_t keyTicks = key->lastWriteTicks;
  sim::RegistryValue* value = key->FindValue(name);
  std::optional<sim::RegistryValue> previous;
  if (value) {
    previous = *value;
  } else {
    key->values.push_back(sim::RegistryValue{name, REG_NONE, {}});
    value = &key->values.back();
  }
  value->type = dwType;
  value->data = std::move(data);
  key->Touch();
  return sim::SaveRegistryChange([&] {
    if (previous)
      *key->FindValue(name) = std::move(*previous);
    else
      key->values.pop_back();
    key->lastWriteTicks = keyTicks;
  });
}

LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  if (sim::ShouldFail("RegDeleteValueA")) return ERROR_ACCESS_DENIED;
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_SET_VALUE, key)) return status;
  if (LSTATUS status = sim::CheckRegistryWritable()) return status;
  sim::RegistryValue* value = key->FindValue(lpValueName ? lpValueName : "");
  if (!value) return ERROR_FILE_NOT_FOUND;

  std::uint64_t keyTicks = key->lastWriteTicks;
  std::ptrdiff_t index = value - key->values.data();
  sim::RegistryValue removed = std::move(*value);
  key->values.erase(key->values.begin() + index);
  key->Touch();
  return sim::SaveRegistryChange([&] {
    key->values.insert(key->values.begin() + index, std::move(removed));
    key->lastWriteTicks = keyTicks;
  });
}

LSTATUS RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, DWORD* lpcchValueName, DWORD* lpReserved,
                      DWORD* lpType, BYTE* lpData, DWORD* lpcbData) {
  std::shared_ptr<sim::RegistryKey> key;
  if (LSTATUS status = sim::KeyOfHandle(hKey, KEY_QUERY_VALUE, key)) return status;
  if (!lpValueName || !lpcchValueName || lpReserved) return ERROR_INVALID_PARAMETER;
  if (dwIndex >= key->values.size()) return ERROR_NO_MORE_ITEMS;
  const sim::RegistryValue& value = key->values[dwIndex];
  // A name buffer too small is not filled and its size is left as it was.
  if (value.name.size() + 1 > *lpcchValueName) return ERROR_MORE_DATA;
  std::memcpy(lpValueName, value.name.c_str(), value.name.size() + 1);
  *lpcchValueName = static_cast<DWORD>(value.name.size());
  return sim::CopyData(value, lpType, lpData, lpcbData);
}
