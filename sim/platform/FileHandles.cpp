// Open files behind HANDLE values: CreateFileA, ReadFile, WriteFile, the file pointer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files.h"
#include "sim/SimFailures.h"
#include "sim/platform/DriveMap.h"
#include "sim/platform/Failure.h"
#include "sim/platform/KernelObjects.h"
#include "sim/platform/SystemErrors.h"

namespace sim {
namespace {

class OpenFile : public KernelObject {
 public:
  OpenFile(int fd, DWORD access) : fd_(fd), access_(access) {}
  ~OpenFile() override { ::close(fd_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int fd() const { return fd_; }
  bool mayRead() const { return (access_ & GENERIC_READ) != 0; }
  bool mayWrite() const { return (access_ & GENERIC_WRITE) != 0; }

 private:
  int fd_;
  DWORD access_;
};

std::shared_ptr<OpenFile> FindFile(HANDLE handle) { return FindKernelObjectOf<OpenFile>(handle); }

int OpenFlags(DWORD access, DWORD disposition) {
  int flags = O_CLOEXEC;
  bool read = access & GENERIC_READ;
  bool write = access & GENERIC_WRITE;
  flags |= read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
  switch (disposition) {
    case CREATE_NEW:
      return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
      return flags | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS:
      return flags | O_CREAT;
    case TRUNCATE_EXISTING:
      return flags | O_TRUNC;
    default:
      return flags;
  }
}

}  // namespace
}  // namespace sim

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   const SECURITY_ATTRIBUTES* lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
  if (sim::ShouldFail("CreateFileA")) return sim::FailWith(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
  if (dwCreationDisposition < CREATE_NEW || dwCreationDisposition > TRUNCATE_EXISTING ||
      (dwCreationDisposition == TRUNCATE_EXISTING && !(dwDesiredAccess & GENERIC_WRITE)))
    return sim::FailWith(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  std::string path;
  if (!sim::ResolvePathArgument(lpFileName, path)) return INVALID_HANDLE_VALUE;

  struct stat st;
  bool existed = ::stat(path.c_str(), &st) == 0;
  // Not blocking, so that a pipe or device cannot hang the open; only plain files
  // are files here (a folder cannot be opened as one on Windows either).
  int fd = ::open(path.c_str(), sim::OpenFlags(dwDesiredAccess, dwCreationDisposition) | O_NONBLOCK, 0666);
  if (fd < 0) {
    DWORD error = errno == EEXIST ? ERROR_FILE_EXISTS : sim::Win32ErrorForPath(errno, path);
    return sim::FailWith(error, INVALID_HANDLE_VALUE);
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return sim::FailWith(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  bool reportsExisting = dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS;
  HANDLE handle = sim::AddKernelObject(std::make_shared<sim::OpenFile>(fd, dwDesiredAccess));
  SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD* lpNumberOfBytesRead,
              LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
  auto file = sim::FindFile(hFile);
  if (!file) return sim::FailWith(ERROR_INVALID_HANDLE, FALSE);
  if (lpOverlapped || !lpNumberOfBytesRead || (!lpBuffer && nNumberOfBytesToRead > 0))
    return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  if (!file->mayRead()) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  auto* out = static_cast<char*>(lpBuffer);
  DWORD done = 0;
  while (done < nNumberOfBytesToRead) {
    ssize_t n = ::read(file->fd(), out + done, nNumberOfBytesToRead - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *lpNumberOfBytesRead = done;
      return sim::FailWith(sim::Win32ErrorFromErrno(errno), FALSE);
    }
    if (n == 0) break;  // end of file
    done += static_cast<DWORD>(n);
  }
  *lpNumberOfBytesRead = done;
  return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, DWORD* lpNumberOfBytesWritten,
               LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  auto file = sim::FindFile(hFile);
  if (!file) return sim::FailWith(ERROR_INVALID_HANDLE, FALSE);
  if (lpOverlapped || !lpNumberOfBytesWritten || (!lpBuffer && nNumberOfBytesToWrite > 0))
    return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  if (!file->mayWrite()) return sim::FailWith(ERROR_ACCESS_DENIED, FALSE);
  if (sim::ShouldFail("WriteFile")) return sim::FailWith(ERROR_DISK_FULL, FALSE);
  const auto* in = static_cast<const char*>(lpBuffer);
  DWORD done = 0;
  while (done < nNumberOfBytesToWrite) {
    ssize_t n = ::write(file->fd(), in + done, nNumberOfBytesToWrite - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *lpNumberOfBytesWritten = done;
      return sim::FailWith(n < 0 ? sim::Win32ErrorFromErrno(errno) : ERROR_DISK_FULL, FALSE);
    }
    done += static_cast<DWORD>(n);
  }
  *lpNumberOfBytesWritten = done;
  return TRUE;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, LONG* lpDistanceToMoveHigh, DWORD dwMoveMethod) {
  auto file = sim::FindFile(hFile);
  if (!file) return sim::FailWith(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
  if (dwMoveMethod > FILE_END) return sim::FailWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  // Without a high part the distance is a signed 32-bit number; with one, the two
  // make a signed 64-bit number.
  std::int64_t distance = lpDistanceToMoveHigh
                              ? static_cast<std::int64_t>((static_cast<std::uint64_t>(*lpDistanceToMoveHigh) << 32) |
                                                          static_cast<DWORD>(lDistanceToMove))
                              : lDistanceToMove;
  off_t current = ::lseek(file->fd(), 0, SEEK_CUR);
  off_t base = dwMoveMethod == FILE_BEGIN ? 0 : current;
  if (dwMoveMethod == FILE_END) {
    struct stat st;
    if (::fstat(file->fd(), &st) != 0) return sim::FailWith(sim::Win32ErrorFromErrno(errno), INVALID_SET_FILE_POINTER);
    base = st.st_size;
  }
  std::int64_t target = 0;
  if (__builtin_add_overflow(static_cast<std::int64_t>(base), distance, &target))
    return sim::FailWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  if (target < 0) return sim::FailWith(ERROR_NEGATIVE_SEEK, INVALID_SET_FILE_POINTER);
  if (!lpDistanceToMoveHigh && target > 0xFFFFFFFE)
    return sim::FailWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  off_t position = ::lseek(file->fd(), target, SEEK_SET);
  if (position < 0) return sim::FailWith(sim::Win32ErrorFromErrno(errno), INVALID_SET_FILE_POINTER);
  if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(static_cast<std::uint64_t>(position) >> 32);
  // A position whose low part is 0xFFFFFFFF is told apart from a failure by the last error.
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(position & 0xFFFFFFFF);
}

DWORD GetFileSize(HANDLE hFile, DWORD* lpFileSizeHigh) {
  auto file = sim::FindFile(hFile);
  if (!file) return sim::FailWith(ERROR_INVALID_HANDLE, INVALID_FILE_SIZE);
  struct stat st;
  if (::fstat(file->fd(), &st) != 0) return sim::FailWith(sim::Win32ErrorFromErrno(errno), INVALID_FILE_SIZE);
  auto size = static_cast<std::uint64_t>(st.st_size);
  if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size & 0xFFFFFFFF);
}
