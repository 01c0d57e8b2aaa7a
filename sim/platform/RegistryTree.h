// The registry's keys and values in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace sim {

// Limits of the real registry, kept so that everything stored can be saved and
// read back.
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;
constexpr std::size_t kMaxKeyDepth = 512;
constexpr std::size_t kMaxValueBytes = 16 * 1024 * 1024;

struct RegistryValue {
  std::string name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct RegistryKey {
  std::string name;
  std::vector<RegistryValue> values;                  // in the order they were created
  std::vector<std::shared_ptr<RegistryKey>> subkeys;  // sorted by name, letter case aside
  RegistryKey* parent = nullptr;                      // null for a root
  std::uint64_t lastWriteTicks = 0;                   // FILETIME of the last change
  bool deleted = false;                               // open handles may still hold it

  RegistryValue* FindValue(std::string_view valueName);
  std::shared_ptr<RegistryKey> FindSubkey(std::string_view keyName) const;
  // Adds a subkey in its sorted place.
  void AddSubkey(std::shared_ptr<RegistryKey> subkey);
  void RemoveSubkey(const RegistryKey* subkey);
  std::size_t Depth() const;
  void Touch();
};

bool IsValidKeyName(std::string_view name);
bool IsValidValueName(std::string_view name);

// "Software\Korvu" -> {"Software", "Korvu"}; one trailing backslash is allowed.
// False for an empty name inside the path or a name that is not valid.
bool SplitKeyPath(std::string_view path, std::vector<std::string>& names);

// Strings are kept with their terminating NUL (two for a string list), so a reader
// always gets terminated text; numbers must have their exact size. False when the
// data cannot be of that type.
bool NormaliseValueData(DWORD type, std::vector<BYTE>& data);
bool IsNormalValueData(DWORD type, const std::vector<BYTE>& data);

}  // namespace sim
