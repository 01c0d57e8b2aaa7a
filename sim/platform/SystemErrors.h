// Linux errors told as Windows system error codes.
#pragma once

#include <string>

#include "platform/wintypes.h"

namespace sim {

DWORD Win32ErrorFromErrno(int error);
// The code for a call on `linuxPath` that failed with `error`. A file that is not
// there is ERROR_PATH_NOT_FOUND when its folder is missing too, else
// ERROR_FILE_NOT_FOUND, as Windows tells them apart.
DWORD Win32ErrorForPath(int error, const std::string& linuxPath);

}  // namespace sim
