#include "platform/wintypes.h"

namespace {
// Per thread, as on Windows.
thread_local DWORD lastError = ERROR_SUCCESS;
}  // namespace

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD code) { lastError = code; }
