// Whole-file operations: delete, move, copy, and making and removing folders.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/files.h"
#include "sim/SimFailures.h"
#include "sim/platform/AtomicFile.h"
#include "sim/platform/DriveMap.h"
#include "sim/platform/Failure.h"
#include "sim/platform/FullPath.h"
#include "sim/platform/SystemErrors.h"

namespace sim {
namespace {

// `linuxPath` with its last name spelt as in `windowsPath` (the lookup matched it
// to an existing name that differs in letter case).
std::string WithRequestedName(const std::string& linuxPath, LPCSTR windowsPath) {
  std::optional<WindowsPathParts> parts = FullWindowsPathParts(windowsPath);
  if (!parts || parts->names.empty()) return linuxPath;
  return linuxPath.substr(0, linuxPath.find_last_of('/') + 1) + parts->names.back();
}

enum class Kind { Missing, File, Folder };

Kind KindOf(const std::string& linuxPath) {
  struct stat st;
  if (::stat(linuxPath.c_str(), &st) != 0) return Kind::Missing;
  return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::File;
}

// Copies the content, permissions and times of `from` into a new file at `to`.
int CopyContent(const std::string& from, const std::string& to, ExistingFile existing) {
  // Not blocking, so that a pipe cannot hang the copy; only plain files are copied.
  int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (source < 0) return errno;
  struct stat st;
  if (::fstat(source, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(source);
    return EACCES;
  }
  int error = WriteFileAtomically(
      to,
      [&](int target) {
        char buffer[64 * 1024];
        for (;;) {
          ssize_t n = ::read(source, buffer, sizeof buffer);
          if (n < 0 && errno == EINTR) continue;
          if (n < 0) return errno;
          if (n == 0) break;
          if (int e = WriteAllBytes(target, buffer, static_cast<std::size_t>(n))) return e;
        }
        // Windows keeps the last write time of a copied file.
        const timespec times[2] = {st.st_atim, st.st_mtim};
        if (::fchmod(target, st.st_mode & 07777) != 0 || ::futimens(target, times) != 0) return errno;
        return 0;
      },
      existing);
  ::close(source);
  return error;
}

}  // namespace
}  // namespace sim

BOOL DeleteFileA(LPCSTR lpFileName) {
  if (sim::ShouldFail("DeleteFileA")) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  std::string path;
  if (!sim::ResolvePathArgument(lpFileName, path)) return FALSE;
  if (sim::KindOf(path) == sim::Kind::Folder) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  if (::unlink(path.c_str()) != 0) return sim::FailWith(sim::Win32ErrorForPath(errno, path), FALSE);
  return TRUE;
}

BOOL CreateDirectoryA(LPCSTR lpPathName, const SECURITY_ATTRIBUTES* lpSecurityAttributes) {
  if (sim::ShouldFail("CreateDirectoryA")) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  std::string path;
  if (!sim::ResolvePathArgument(lpPathName, path)) return FALSE;
  if (::mkdir(path.c_str(), 0777) != 0)
    return sim::FailWith(sim::Win32ErrorForPath(errno, path), FALSE);
  return TRUE;
}

BOOL RemoveDirectoryA(LPCSTR lpPathName) {
  if (sim::ShouldFail("RemoveDirectoryA")) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  std::string path;
  if (!sim::ResolvePathArgument(lpPathName, path)) return FALSE;
  if (::rmdir(path.c_str()) != 0)
    return sim::FailWith(errno == ENOTDIR ? ERROR_DIRECTORY : sim::Win32ErrorForPath(errno, path), FALSE);
  return TRUE;
}

BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  if (sim::ShouldFail("MoveFileExA")) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  std::string from, to;
  if (!sim::ResolvePathArgument(lpExistingFileName, from) || !sim::ResolvePathArgument(lpNewFileName, to)) return FALSE;
  sim::Kind source = sim::KindOf(from);
  if (source == sim::Kind::Missing) return sim::FailWith(sim::Win32ErrorForPath(ENOENT, from), FALSE);
  if (from == to) to = sim::WithRequestedName(to, lpNewFileName);  // a change of letter case only
  sim::Kind target = sim::KindOf(to);
  bool replace = dwFlags & MOVEFILE_REPLACE_EXISTING;
  if (target != sim::Kind::Missing && from != to) {
    if (!replace) return sim::FailWith(ERROR_ALREADY_EXISTS, FALSE);
    if (target == sim::Kind::Folder || source == sim::Kind::Folder) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  }
  int result = replace ? ::rename(from.c_str(), to.c_str())
                       : ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
  if (result != 0 && !replace && (errno == EINVAL || errno == ENOSYS))
    result = ::rename(from.c_str(), to.c_str());  // checked above; the file system cannot do better
  if (result == 0) return TRUE;
  if (errno == EEXIST) return sim::FailWith(ERROR_ALREADY_EXISTS, FALSE);
  if (errno != EXDEV) return sim::FailWith(sim::Win32ErrorForPath(errno, to), FALSE);
  // Another file system: a copy and a delete, when the caller allows it.
  if (!(dwFlags & MOVEFILE_COPY_ALLOWED)) return sim::FailWith(ERROR_NOT_SAME_DEVICE, FALSE);
  if (source == sim::Kind::Folder) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  int error = sim::CopyContent(from, to, replace ? sim::ExistingFile::Replace : sim::ExistingFile::Keep);
  if (error != 0)
    return sim::FailWith(error == EEXIST ? ERROR_ALREADY_EXISTS : sim::Win32ErrorForPath(error, to), FALSE);
  ::unlink(from.c_str());
  return TRUE;
}

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
  if (sim::ShouldFail("CopyFileA")) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  std::string from, to;
  if (!sim::ResolvePathArgument(lpExistingFileName, from) || !sim::ResolvePathArgument(lpNewFileName, to)) return FALSE;
  sim::Kind source = sim::KindOf(from);
  if (source == sim::Kind::Missing) return sim::FailWith(sim::Win32ErrorForPath(ENOENT, from), FALSE);
  if (source == sim::Kind::Folder || sim::KindOf(to) == sim::Kind::Folder)
    return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  if (from == to) return sim::FailWith(bFailIfExists ? ERROR_FILE_EXISTS : ERROR_SHARING_VIOLATION, FALSE);
  int error = sim::CopyContent(from, to, bFailIfExists ? sim::ExistingFile::Keep : sim::ExistingFile::Replace);
  if (error == EEXIST) return sim::FailWith(ERROR_FILE_EXISTS, FALSE);
  if (error != 0) return sim::FailWith(sim::Win32ErrorForPath(error, to), FALSE);
  return TRUE;
}
