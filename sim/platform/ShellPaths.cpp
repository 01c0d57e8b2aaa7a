// The shell library's path functions. They work on text only, separate names by "\"
// and write into buffers of MAX_PATH characters.
#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/paths.h"
#include "sim/platform/TextCase.h"
#include "sim/platform/WindowsPathSyntax.h"

namespace sim {
namespace {

// "." and ".." removed; a bare drive becomes its root; nothing left is "\".
std::string CanonicalText(std::string_view path) {
  WindowsPathParts parts = SplitWindowsPath(path, PathSeparators::BackslashOnly);
  RemoveDotNames(parts);
  if (parts.rootKind == PathRoot::DriveRelative) {
    parts.rootKind = PathRoot::Drive;
    parts.root += '\\';
  }
  std::string text = JoinWindowsPath(parts);
  return text.empty() ? "\\" : text;
}

// Copies a result into a caller's MAX_PATH buffer; false (and "") when it does not fit.
bool CopyToPathBuffer(const std::string& text, LPSTR buffer) {
  if (text.size() >= MAX_PATH) {
    buffer[0] = '\0';
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
  }
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return true;
}

// The root of a path with a backslash after it ("C:\", "\\server\share\", "\"), or
// "" for a relative path.
std::string RootWithSeparator(std::string_view path) {
  WindowsPathParts parts = SplitWindowsPath(path, PathSeparators::BackslashOnly);
  std::string root = parts.root;
  if (!root.empty() && root.back() != '\\') root += '\\';
  return root;
}

// The folder part of a path given as a file (its last name dropped) or a folder.
WindowsPathParts FolderParts(std::string_view path, DWORD attributes) {
  WindowsPathParts parts = SplitWindowsPath(path, PathSeparators::BackslashOnly);
  RemoveDotNames(parts);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) && !parts.trailingSeparator && !parts.names.empty())
    parts.names.pop_back();
  return parts;
}

}  // namespace
}  // namespace sim

BOOL PathIsRelativeA(LPCSTR pszPath) {
  if (!pszPath || !*pszPath) return TRUE;
  return pszPath[0] == '\\' || pszPath[1] == ':' ? FALSE : TRUE;
}

LPSTR PathCombineA(LPSTR pszDest, LPCSTR pszDir, LPCSTR pszFile) {
  if (!pszDest) return nullptr;
  if (!pszDir && !pszFile) {
    pszDest[0] = '\0';
    return nullptr;
  }
  std::string dir = pszDir ? pszDir : "";
  std::string file = pszFile ? pszFile : "";
  std::string combined;
  if (file.empty()) {
    combined = dir;
  } else if (dir.empty() || !PathIsRelativeA(file.c_str())) {
    bool underRootOfDir = !dir.empty() && file[0] == '\\' && file.compare(0, 2, "\\\\") != 0;
    combined = underRootOfDir ? sim::RootWithSeparator(dir) + file.substr(1) : file;
  } else {
    combined = dir.back() == '\\' ? dir + file : dir + "\\" + file;
  }
  return sim::CopyToPathBuffer(sim::CanonicalText(combined), pszDest) ? pszDest : nullptr;
}

BOOL PathCanonicalizeA(LPSTR pszBuf, LPCSTR pszPath) {
  if (!pszBuf || !pszPath) {
    if (pszBuf) pszBuf[0] = '\0';
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return sim::CopyToPathBuffer(sim::CanonicalText(pszPath), pszBuf);
}

BOOL PathRelativePathToA(LPSTR pszPath, LPCSTR pszFrom, DWORD dwAttrFrom, LPCSTR pszTo, DWORD dwAttrTo) {
  if (!pszPath) return FALSE;
  pszPath[0] = '\0';
  if (!pszFrom || !pszTo) return FALSE;
  sim::WindowsPathParts from = sim::FolderParts(pszFrom, dwAttrFrom);
  sim::WindowsPathParts to = sim::SplitWindowsPath(pszTo, sim::PathSeparators::BackslashOnly);
  sim::RemoveDotNames(to);
  sim::WindowsPathParts toFolder = sim::FolderParts(pszTo, dwAttrTo);
  if (!sim::SameRoot(from, to)) return FALSE;

  std::size_t common = 0;
  while (common < from.names.size() && common < toFolder.names.size() &&
         sim::EqualsIgnoringCase(from.names[common], toFolder.names[common]))
    ++common;
  // Two relative paths must at least start in the same folder.
  if (from.rootKind == sim::PathRoot::None && common == 0) return FALSE;

  std::string relative;
  for (std::size_t i = common; i < from.names.size(); ++i) relative += i == common ? ".." : "\\..";
  if (relative.empty()) relative = ".";
  for (std::size_t i = common; i < to.names.size(); ++i) relative += "\\" + to.names[i];
  if (to.trailingSeparator && to.names.size() > common) relative += '\\';
  return sim::CopyToPathBuffer(relative, pszPath);
}

LPSTR PathFindFileNameA(LPCSTR pszPath) {
  if (!pszPath) return nullptr;
  // After the last separator that is followed by a name: "C:\a\b\" gives "b\".
  LPCSTR name = pszPath;
  for (LPCSTR p = pszPath; *p; ++p) {
    bool separator = *p == '\\' || *p == '/' || *p == ':';
    if (separator && p[1] && p[1] != '\\' && p[1] != '/') name = p + 1;
  }
  return const_cast<LPSTR>(name);
}

LPSTR PathFindExtensionA(LPCSTR pszPath) {
  if (!pszPath) return nullptr;
  // The last "." after the last backslash; an extension holds no space.
  LPCSTR dot = nullptr;
  LPCSTR p = pszPath;
  for (; *p; ++p) {
    if (*p == '\\' || *p == ' ')
      dot = nullptr;
    else if (*p == '.')
      dot = p;
  }
  return const_cast<LPSTR>(dot ? dot : p);
}

BOOL PathRemoveFileSpecA(LPSTR pszPath) {
  if (!pszPath) return FALSE;
  LPSTR p = pszPath;
  LPSTR cut = pszPath;
  // A leading "\" or "\\" (network path) stays.
  if (*p == '\\') cut = ++p;
  if (*p == '\\') cut = ++p;
  for (; *p; ++p) {
    if (*p == '\\') {
      cut = p;
    } else if (*p == ':') {
      cut = p + 1;  // after the drive, and after its "\" if there is one
      if (p[1] == '\\') {
        ++p;
        cut = p + 1;
      }
    }
  }
  if (!*cut) return FALSE;
  *cut = '\0';
  return TRUE;
}

LPSTR PathAddBackslashA(LPSTR pszPath) {
  if (!pszPath) return nullptr;
  std::size_t length = std::strlen(pszPath);
  if (length == 0) return pszPath;
  if (pszPath[length - 1] == '\\') return pszPath + length;
  if (length + 1 >= MAX_PATH) return nullptr;  // no room for the backslash and the NUL
  pszPath[length] = '\\';
  pszPath[length + 1] = '\0';
  return pszPath + length + 1;
}

void PathStripPathA(LPSTR pszPath) {
  if (!pszPath) return;
  LPSTR name = PathFindFileNameA(pszPath);
  if (name != pszPath) std::memmove(pszPath, name, std::strlen(name) + 1);
}
