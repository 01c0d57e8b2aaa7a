// Which Linux folder each drive letter stands for, and the conversions between
// Windows paths and Linux paths that follow from it. Z: is always the Linux root;
// other letters come from QUORVELLE_DRIVES ("C=/srv/c;D=/mnt/d") or sim::MapDrive.
#pragma once

#include <string>
#include <string_view>

#include "platform/wintypes.h"

namespace sim {

struct ResolvedPath {
  std::string linuxPath;  // empty when the path names nothing here
  DWORD error = ERROR_SUCCESS;
};

// The Linux file a Windows path names, made absolute against the current folder and
// matched without regard to case. Errors: ERROR_PATH_NOT_FOUND for an empty path,
// a drive nobody mapped or a network path; ERROR_INVALID_NAME for a name with a
// character Windows does not allow in names.
ResolvedPath ResolveWindowsPath(std::string_view windowsPath);
// The same for the path argument of a file function: false, with the last error set
// (ERROR_INVALID_PARAMETER for NULL), when it names nothing.
bool ResolvePathArgument(LPCSTR windowsPath, std::string& linuxPath);

// Back to the drive letters of the environment.
void ResetDriveMap();

}  // namespace sim
