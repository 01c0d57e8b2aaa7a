// The stand-in system reports itself as a Windows 10 workstation.
#include "platform/version.h"

#include <cstring>

BOOL GetVersionExA(OSVERSIONINFOEXA* info) {
  if (!info || info->dwOSVersionInfoSize == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD size = info->dwOSVersionInfoSize;
  *info = OSVERSIONINFOEXA{};
  info->dwOSVersionInfoSize = size;
  info->dwMajorVersion = 10;
  info->dwMinorVersion = 0;
  info->dwBuildNumber = 19045;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  info->wProductType = VER_NT_WORKSTATION;
  return TRUE;
}
