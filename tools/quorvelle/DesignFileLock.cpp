#include "tools/quorvelle/DesignFileLock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The open file is still the one the path names (it was not removed or replaced by
// the writer before).
bool StillThere(int fd, const std::string& path) {
  struct stat open {}, named {};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

}  // namespace

CDesignFileLock::~CDesignFileLock() {
  if (fd_ < 0) return;
  struct stat st {};
  if (made_ && ::fstat(fd_, &st) == 0 && st.st_size == 0 && StillThere(fd_, path_)) ::unlink(path_.c_str());
  ::close(fd_);  // lets the hold go
}

std::string CDesignFileLock::Take(const std::string& linuxPath, bool make, double waitSeconds) {
  path_ = linuxPath;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(waitSeconds);
  for (;;) {
    made_ = false;
    fd_ = ::open(linuxPath.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0 && errno == ENOENT && !make) return "";
    if (fd_ < 0 && errno == ENOENT) {
      fd_ = ::open(linuxPath.c_str(), O_RDWR | O_CLOEXEC | O_CREAT | O_EXCL, 0644);
      made_ = fd_ >= 0;
      if (fd_ < 0 && errno == EEXIST) continue;  // another writer made it just now
    }
    if (fd_ < 0) return "Cannot change the design file " + linuxPath + ": " + std::strerror(errno) + ".";
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd_);
      fd_ = -1;
      return "Cannot change the design file " + linuxPath + ": it is not a regular file.";
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      if (StillThere(fd_, linuxPath)) return "";
      // The writer before removed or replaced it meanwhile: hold the one there now.
      ::close(fd_);
      fd_ = -1;
      continue;
    }
    ::close(fd_);
    fd_ = -1;
    if (std::chrono::steady_clock::now() >= deadline)
      return linuxPath + " is being changed by another program; try again when it is done.";
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}
