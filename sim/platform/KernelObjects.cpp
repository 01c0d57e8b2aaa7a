#include "sim/platform/KernelObjects.h"

#include <cstdint>
#include <map>

#include "platform/handles.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

struct HandleTable {
  std::map<std::uintptr_t, std::shared_ptr<KernelObject>> objects;
  std::uintptr_t next = 0x1000;  // multiples of four, as Windows hands them out
};

HandleTable& Table() {
  static HandleTable table;
  return table;
}

}  // namespace

HANDLE AddKernelObject(std::shared_ptr<KernelObject> object) {
  HandleTable& table = Table();
  table.next += 4;
  table.objects.emplace(table.next, std::move(object));
  return reinterpret_cast<HANDLE>(table.next);
}

std::shared_ptr<KernelObject> FindKernelObject(HANDLE handle) {
  auto& objects = Table().objects;
  auto it = objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == objects.end() ? nullptr : it->second;
}

void CloseAllKernelObjects() { Table().objects.clear(); }

std::size_t OpenHandleCount() { return Table().objects.size(); }

}  // namespace sim

BOOL CloseHandle(HANDLE hObject) {
  auto& objects = sim::Table().objects;
  auto it = objects.find(reinterpret_cast<std::uintptr_t>(hObject));
  if (it == objects.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // Take the object out before it is destroyed, so its destructor sees a consistent table.
  std::shared_ptr<sim::KernelObject> object = std::move(it->second);
  objects.erase(it);
  object.reset();
  return TRUE;
}
