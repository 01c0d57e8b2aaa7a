// The registry's file: JSON naming its format, with one object per root holding its
// keys and values; value data is written as hexadecimal bytes. The file is always
// replaced whole (see AtomicFile.h), never edited in place.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/wintypes.h"
#include "sim/platform/RegistryTree.h"

namespace sim {

// HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, in that order.
constexpr std::size_t kRootCount = 3;
using RegistryRoots = std::array<std::shared_ptr<RegistryKey>, kRootCount>;
const char* RootName(std::size_t root);
RegistryRoots EmptyRoots();

// A larger file is refused unread, and nothing is saved that would make it larger.
constexpr std::size_t kMaxRegistryFileBytes = 64 * 1024 * 1024;

enum class RegistryFileState { Loaded, Missing, Unusable };
// Fills `roots` from the file; for Unusable, `error` is a sentence for people.
RegistryFileState LoadRegistryFile(const std::string& path, RegistryRoots& roots, std::string& error);

// ERROR_SUCCESS, or the code of the failure with a sentence in `error`; the file is
// then as it was.
DWORD SaveRegistryFile(const std::string& path, const RegistryRoots& roots, std::string& error);

}  // namespace sim
