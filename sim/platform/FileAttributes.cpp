// What Windows tells about a file without opening it: attributes, size and times.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/paths.h"
#include "sim/platform/DriveMap.h"
#include "sim/platform/FileTimeTicks.h"
#include "sim/platform/SystemErrors.h"

namespace sim {
namespace {

timespec TimespecOf(const statx_timestamp& t) { return timespec{t.tv_sec, t.tv_nsec}; }

// Looks the file up; on failure sets the last error and returns false.
bool StatWindowsPath(LPCSTR windowsPath, struct statx& info, std::string& linuxPath) {
  if (!ResolvePathArgument(windowsPath, linuxPath)) return false;
  if (::statx(AT_FDCWD, linuxPath.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0) {
    SetLastError(Win32ErrorForPath(errno, linuxPath));
    return false;
  }
  return true;
}

DWORD AttributesOf(const struct statx& info, const std::string& linuxPath) {
  DWORD attributes = S_ISDIR(info.stx_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  if (!(info.stx_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
  std::size_t slash = linuxPath.find_last_of('/');
  if (linuxPath.compare(slash + 1, 1, ".") == 0) attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes;
}

}  // namespace
}  // namespace sim

DWORD GetFileAttributesA(LPCSTR lpFileName) {
  struct statx info {};
  std::string path;
  if (!sim::StatWindowsPath(lpFileName, info, path)) return INVALID_FILE_ATTRIBUTES;
  return sim::AttributesOf(info, path);
}

BOOL GetFileAttributesExA(LPCSTR lpFileName, GET_FILEEX_INFO_LEVELS fInfoLevelId, LPVOID lpFileInformation) {
  if (fInfoLevelId != GetFileExInfoStandard || !lpFileInformation) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  struct statx info {};
  std::string path;
  if (!sim::StatWindowsPath(lpFileName, info, path)) return FALSE;
  auto& data = *static_cast<WIN32_FILE_ATTRIBUTE_DATA*>(lpFileInformation);
  data.dwFileAttributes = sim::AttributesOf(info, path);
  // Linux file systems that keep no creation time give the last change instead.
  bool hasBirth = info.stx_mask & STATX_BTIME;
  data.ftCreationTime = sim::FileTimeOf(sim::TimespecOf(hasBirth ? info.stx_btime : info.stx_mtime));
  data.ftLastAccessTime = sim::FileTimeOf(sim::TimespecOf(info.stx_atime));
  data.ftLastWriteTime = sim::FileTimeOf(sim::TimespecOf(info.stx_mtime));
  std::uint64_t size = S_ISDIR(info.stx_mode) ? 0 : info.stx_size;
  data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFF);
  return TRUE;
}

BOOL PathFileExistsA(LPCSTR pszPath) { return pszPath && GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES; }

BOOL PathIsDirectoryA(LPCSTR pszPath) {
  DWORD attributes = pszPath ? GetFileAttributesA(pszPath) : INVALID_FILE_ATTRIBUTES;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FILE_ATTRIBUTE_DIRECTORY
                                                                                          : FALSE;
}
