#include "sim/platform/FullPath.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/paths.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

// Windows drops trailing dots and spaces from names: "Book1.xlsx." is "Book1.xlsx".
void DropTrailingDotsAndSpaces(WindowsPathParts& parts) {
  std::vector<std::string> names;
  for (std::string& name : parts.names) {
    if (name != "." && name != "..") {
      std::size_t end = name.find_last_not_of(". ");
      name.erase(end == std::string::npos ? 0 : end + 1);
      if (name.empty()) continue;
    }
    names.push_back(std::move(name));
  }
  parts.names = std::move(names);
}

// Writes `text` to a caller's buffer with the Windows convention for lengths.
DWORD CopyOut(const std::string& text, DWORD bufferLength, LPSTR buffer) {
  if (!buffer || text.size() + 1 > bufferLength) return static_cast<DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<DWORD>(text.size());
}

}  // namespace

std::string CurrentWindowsDirectory() {
  char* cwd = ::getcwd(nullptr, 0);
  if (!cwd) return "";
  std::string path = ToWindowsPath(cwd);
  std::free(cwd);
  return path;
}

std::optional<WindowsPathParts> FullWindowsPathParts(std::string_view path) {
  WindowsPathParts parts = SplitWindowsPath(path, PathSeparators::BackslashAndSlash);
  DropTrailingDotsAndSpaces(parts);
  if (parts.rootKind == PathRoot::Drive || parts.rootKind == PathRoot::Unc) {
    RemoveDotNames(parts);
    return parts;
  }

  std::string cwdText = CurrentWindowsDirectory();
  if (cwdText.empty()) return std::nullopt;
  WindowsPathParts full = SplitWindowsPath(cwdText, PathSeparators::BackslashOnly);
  if (parts.rootKind == PathRoot::Rooted) {
    full.names.clear();  // the root of the current drive
  } else if (parts.rootKind == PathRoot::DriveRelative && DriveLetterOf(parts) != DriveLetterOf(full)) {
    full.rootKind = PathRoot::Drive;  // another drive's current folder is its root
    full.root = parts.root + "\\";
    full.names.clear();
  }
  full.names.insert(full.names.end(), parts.names.begin(), parts.names.end());
  full.trailingSeparator = parts.trailingSeparator;
  RemoveDotNames(full);
  return full;
}

}  // namespace sim

DWORD GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer) {
  std::string cwd = sim::CurrentWindowsDirectory();
  if (cwd.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return 0;
  }
  return sim::CopyOut(cwd, nBufferLength, lpBuffer);
}

DWORD GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart) {
  if (!lpFileName || !*lpFileName) {
    SetLastError(ERROR_INVALID_NAME);
    return 0;
  }
  std::optional<sim::WindowsPathParts> full = sim::FullWindowsPathParts(lpFileName);
  if (!full) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return 0;
  }
  std::string text = sim::JoinWindowsPath(*full);
  DWORD length = sim::CopyOut(text, nBufferLength, lpBuffer);
  if (lpFilePart) {
    bool fits = length == text.size();
    bool hasFileName = !full->names.empty() && !full->trailingSeparator;
    *lpFilePart = fits && hasFileName ? lpBuffer + (text.size() - full->names.back().size()) : nullptr;
  }
  return length;
}
