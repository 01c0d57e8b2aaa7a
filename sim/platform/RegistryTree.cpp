#include "sim/platform/RegistryTree.h"

#include <algorithm>

#include "sim/platform/FileTimeTicks.h"
#include "sim/platform/TextCase.h"

namespace sim {

RegistryValue* RegistryKey::FindValue(std::string_view valueName) {
  for (RegistryValue& value : values)
    if (EqualsIgnoringCase(value.name, valueName)) return &value;
  return nullptr;
}

std::shared_ptr<RegistryKey> RegistryKey::FindSubkey(std::string_view keyName) const {
  for (const auto& subkey : subkeys)
    if (EqualsIgnoringCase(subkey->name, keyName)) return subkey;
  return nullptr;
}

void RegistryKey::AddSubkey(std::shared_ptr<RegistryKey> subkey) {
  subkey->parent = this;
  auto place = std::upper_bound(subkeys.begin(), subkeys.end(), subkey,
                                [](const auto& a, const auto& b) { return LessIgnoringCase(a->name, b->name); });
  subkeys.insert(place, std::move(subkey));
}

void RegistryKey::RemoveSubkey(const RegistryKey* subkey) {
  std::erase_if(subkeys, [&](const auto& candidate) { return candidate.get() == subkey; });
}

std::size_t RegistryKey::Depth() const {
  std::size_t depth = 0;
  for (const RegistryKey* key = parent; key; key = key->parent) ++depth;
  return depth;
}

void RegistryKey::Touch() { lastWriteTicks = TicksOf(FileTimeNow()); }

bool IsValidKeyName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxKeyNameLength && name.find('\\') == std::string_view::npos &&
         IsValidUtf8(name);
}

bool IsValidValueName(std::string_view name) { return name.size() <= kMaxValueNameLength && IsValidUtf8(name); }

bool SplitKeyPath(std::string_view path, std::vector<std::string>& names) {
  names.clear();
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  if (path.empty()) return true;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = path.find('\\', start);
    std::string_view name = path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!IsValidKeyName(name)) return false;
    names.emplace_back(name);
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

namespace {

bool EndsWithNuls(const std::vector<BYTE>& data, std::size_t count) {
  if (data.size() < count) return false;
  return std::all_of(data.end() - static_cast<std::ptrdiff_t>(count), data.end(), [](BYTE b) { return b == 0; });
}

}  // namespace

bool NormaliseValueData(DWORD type, std::vector<BYTE>& data) {
  switch (type) {
    case REG_DWORD:
      return data.size() == 4;
    case REG_QWORD:
      return data.size() == 8;
    case REG_SZ:
    case REG_EXPAND_SZ:
      if (!EndsWithNuls(data, 1)) data.push_back(0);
      return true;
    case REG_MULTI_SZ:
      while (!EndsWithNuls(data, 2)) data.push_back(0);
      return true;
    default:
      return true;
  }
}

bool IsNormalValueData(DWORD type, const std::vector<BYTE>& data) {
  std::vector<BYTE> copy = data;
  return NormaliseValueData(type, copy) && copy.size() == data.size();
}

}  // namespace sim
