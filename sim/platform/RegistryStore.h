// The registry in use: its keys, where they are kept, and the open key handles.
#pragma once

#include <functional>
#include <memory>

#include "platform/registry.h"
#include "sim/platform/RegistryTree.h"

namespace sim {

// The key behind a handle, checked for the access the caller needs:
// ERROR_INVALID_HANDLE for a handle that is not open, ERROR_KEY_DELETED for a key
// deleted meanwhile, ERROR_ACCESS_DENIED when the handle lacks `needed`.
LSTATUS KeyOfHandle(HKEY handle, REGSAM needed, std::shared_ptr<RegistryKey>& key);
HKEY OpenKeyHandle(std::shared_ptr<RegistryKey> key, REGSAM access);
// False for a handle that is not open (the predefined roots are always open).
bool CloseKeyHandle(HKEY handle);

// ERROR_REGISTRY_CORRUPT while the registry file could not be loaded: nothing may
// then be written, lest it be overwritten.
LSTATUS CheckRegistryWritable();
// Saves the registry after a change. If it cannot be saved, `undo` takes the change
// back and the failure is returned, so memory and file never disagree.
LSTATUS SaveRegistryChange(const std::function<void()>& undo);

}  // namespace sim
