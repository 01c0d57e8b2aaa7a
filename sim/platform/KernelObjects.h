// The table of kernel object handles (open files, file-mapping sections) behind
// HANDLE values. A handle value is never reused, so a stale handle fails cleanly.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/wintypes.h"

namespace sim {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

HANDLE AddKernelObject(std::shared_ptr<KernelObject> object);

// The object behind an open handle if it is of type T, else null.
std::shared_ptr<KernelObject> FindKernelObject(HANDLE handle);
template <class T>
std::shared_ptr<T> FindKernelObjectOf(HANDLE handle) {
  return std::dynamic_pointer_cast<T>(FindKernelObject(handle));
}

// Forgets every handle (the objects close when nothing else holds them).
void CloseAllKernelObjects();

}  // namespace sim
