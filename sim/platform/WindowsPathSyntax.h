// Windows paths taken apart into a root and names, and put back together. Pure
// text: nothing here looks at the file system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class PathRoot {
  None,           // relative: "a\b"
  Rooted,         // "\a\b": the root of the current drive
  Drive,          // "C:\a"
  DriveRelative,  // "C:a": relative to drive C's current folder
  Unc,            // "\\server\share\a"
};

struct WindowsPathParts {
  PathRoot rootKind = PathRoot::None;
  std::string root;  // as written, separators as "\": "", "\", "C:\", "C:", "\\server\share"
  std::vector<std::string> names;
  bool trailingSeparator = false;
};

// The shell library's functions separate names by "\" only; the file system also
// takes "/".
enum class PathSeparators { BackslashOnly, BackslashAndSlash };

WindowsPathParts SplitWindowsPath(std::string_view path, PathSeparators separators);
// Drops "." names and lets ".." remove the name before it; a ".." with nothing
// before it is dropped (it cannot climb above the root).
void RemoveDotNames(WindowsPathParts& parts);
// The root followed by the names separated by "\", with the trailing separator kept.
std::string JoinWindowsPath(const WindowsPathParts& parts);
// Same kind of root and the same drive or share, letter case aside.
bool SameRoot(const WindowsPathParts& a, const WindowsPathParts& b);
// The drive letter of a Drive or DriveRelative root, upper case; 0 for other roots.
char DriveLetterOf(const WindowsPathParts& parts);

}  // namespace sim
