#include "sim/platform/ItemIdLists.h"

#include <cstdlib>
#include <cstring>
#include <map>

#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

std::map<const void*, std::string>& Lists() {
  static std::map<const void*, std::string> lists;
  return lists;
}

}  // namespace

PIDLIST_ABSOLUTE NewItemIdList(const std::string& windowsPath) {
  // One item (its size, the path and its NUL), then the empty item that ends the list.
  std::size_t itemSize = sizeof(WORD) + windowsPath.size() + 1;
  if (itemSize > 0xFFFF) return nullptr;
  auto* bytes = static_cast<BYTE*>(std::malloc(itemSize + sizeof(WORD)));
  if (!bytes) return nullptr;
  WORD cb = static_cast<WORD>(itemSize), end = 0;
  std::memcpy(bytes, &cb, sizeof cb);
  std::memcpy(bytes + sizeof cb, windowsPath.c_str(), windowsPath.size() + 1);
  std::memcpy(bytes + itemSize, &end, sizeof end);
  Lists().emplace(bytes, windowsPath);
  return reinterpret_cast<PIDLIST_ABSOLUTE>(bytes);
}

std::optional<std::string> PathOfItemIdList(PCIDLIST_ABSOLUTE list) {
  auto it = Lists().find(list);
  if (it == Lists().end()) return std::nullopt;
  return it->second;
}

bool FreeItemIdList(const void* list) {
  auto it = Lists().find(list);
  if (it == Lists().end()) return false;
  std::free(const_cast<void*>(it->first));
  Lists().erase(it);
  return true;
}

void FreeAllItemIdLists() {
  for (auto& [list, path] : Lists()) std::free(const_cast<void*>(list));
  Lists().clear();
}

std::size_t ShellMemoryBlockCount() { return Lists().size(); }

}  // namespace sim
