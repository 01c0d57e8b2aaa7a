// Failing the Windows way: the reason goes to the thread's last error, the caller
// gets the function's failure value.
#pragma once

#include "platform/wintypes.h"

namespace sim {

template <class Result>
Result FailWith(DWORD error, Result result) {
  SetLastError(error);
  return result;
}

}  // namespace sim
