// Kernel object handles: files and file-mapping sections are closed the same way.
#pragma once

#include "platform/wintypes.h"

struct SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// Closes a file or file-mapping handle. FALSE with ERROR_INVALID_HANDLE for a
// handle that is not open (NULL, INVALID_HANDLE_VALUE, already closed).
BOOL CloseHandle(HANDLE hObject);
