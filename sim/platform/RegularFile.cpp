#include "sim/platform/RegularFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sim {

int OpenRegularFile(const std::string& linuxPath, std::string* reason) {
  // Not blocking, so that opening a pipe returns at once; reads block again after.
  const int fd = ::open(linuxPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *reason = errno == ENOENT ? "no such file" : errno == EISDIR ? "it is a folder" : std::strerror(errno);
    return -1;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    *reason = std::strerror(errno);
    ::close(fd);
    return -1;
  }
  if (!S_ISREG(st.st_mode)) {
    *reason = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file (a pipe or a device)";
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool ReadRegularFile(const std::string& linuxPath, std::size_t maxBytes, std::string* bytes, std::string* reason) {
  const int fd = OpenRegularFile(linuxPath, reason);
  if (fd < 0) return false;
  bytes->clear();
  char buffer[64 * 1024];
  // Read in pieces, stopping past the limit in case the file grows meanwhile.
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *reason = std::strerror(errno);
      break;
    }
    if (n == 0) {
      ::close(fd);
      return true;
    }
    if (bytes->size() + static_cast<std::size_t>(n) > maxBytes) {
      *reason = "it is larger than " + std::to_string(maxBytes) + " bytes";
      break;
    }
    bytes->append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  bytes->clear();
  return false;
}

}  // namespace sim
