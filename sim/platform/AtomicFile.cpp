#include "sim/platform/AtomicFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace sim {
namespace {

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Renames without replacing an existing target; falls back to a hard link where
// the file system has no such rename.
int RenameKeepingExisting(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  ::unlink(from.c_str());
  return 0;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

int WriteAllBytes(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = ::write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return ENOSPC;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

int WriteFileAtomically(const std::string& path, const std::function<int(int fd)>& write, ExistingFile existing) {
  std::string folder = FolderOf(path);
  std::string pattern = folder + "/." + NameOf(path) + ".XXXXXX";
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');
  int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return errno;

  int error = write(fd);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0) {
    if (existing == ExistingFile::Replace)
      error = ::rename(temporary.data(), path.c_str()) == 0 ? 0 : errno;
    else
      error = RenameKeepingExisting(temporary.data(), path);
  }
  if (error != 0) {
    ::unlink(temporary.data());
    return error;
  }
  SyncFolder(folder);
  return 0;
}

}  // namespace sim
