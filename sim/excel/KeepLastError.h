// Excel runs in a process of its own: the platform calls the stand-in makes on its
// behalf must not change the calling thread's last error.
#pragma once

#include "platform/wintypes.h"

namespace sim {

class KeepLastError {
 public:
  KeepLastError() : saved_(GetLastError()) {}
  ~KeepLastError() { SetLastError(saved_); }
  KeepLastError(const KeepLastError&) = delete;
  KeepLastError& operator=(const KeepLastError&) = delete;

 private:
  DWORD saved_;
};

}  // namespace sim
