// The item identifier lists the shell hands out: each names one file system folder
// and stays valid until it is given back through CoTaskMemFree.
#pragma once

#include <optional>
#include <string>

#include "platform/shellfolders.h"

namespace sim {

// A list naming the folder at this Windows path, or NULL when the path is too long
// for one item.
PIDLIST_ABSOLUTE NewItemIdList(const std::string& windowsPath);
// The path a list handed out here names; nothing for any other pointer.
std::optional<std::string> PathOfItemIdList(PCIDLIST_ABSOLUTE list);
// Frees a list handed out here; false (and nothing done) for any other pointer.
bool FreeItemIdList(const void* list);
void FreeAllItemIdLists();

}  // namespace sim
