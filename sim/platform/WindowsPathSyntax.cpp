#include "sim/platform/WindowsPathSyntax.h"

#include "sim/platform/TextCase.h"

namespace sim {
namespace {

bool IsSeparator(char c, PathSeparators separators) {
  return c == '\\' || (c == '/' && separators == PathSeparators::BackslashAndSlash);
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads one name starting at `pos`, up to the next separator.
std::string_view NextName(std::string_view path, std::size_t& pos, PathSeparators separators) {
  std::size_t start = pos;
  while (pos < path.size() && !IsSeparator(path[pos], separators)) ++pos;
  return path.substr(start, pos - start);
}

}  // namespace

WindowsPathParts SplitWindowsPath(std::string_view path, PathSeparators separators) {
  WindowsPathParts parts;
  std::size_t pos = 0;
  if (path.size() >= 2 && IsSeparator(path[0], separators) && IsSeparator(path[1], separators)) {
    parts.rootKind = PathRoot::Unc;
    pos = 2;
    parts.root = "\\\\" + std::string(NextName(path, pos, separators));
    if (pos < path.size()) {
      ++pos;
      std::string_view share = NextName(path, pos, separators);
      if (!share.empty()) parts.root += "\\" + std::string(share);
    }
  } else if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
    bool absolute = path.size() >= 3 && IsSeparator(path[2], separators);
    parts.rootKind = absolute ? PathRoot::Drive : PathRoot::DriveRelative;
    parts.root = std::string(path.substr(0, 2)) + (absolute ? "\\" : "");
    pos = absolute ? 3 : 2;
  } else if (!path.empty() && IsSeparator(path[0], separators)) {
    parts.rootKind = PathRoot::Rooted;
    parts.root = "\\";
    pos = 1;
  }
  while (pos < path.size()) {
    std::string_view name = NextName(path, pos, separators);
    if (!name.empty()) parts.names.emplace_back(name);  // "a\\b" is "a\b"
    if (pos < path.size()) {
      ++pos;
      parts.trailingSeparator = pos == path.size();
    }
  }
  return parts;
}

void RemoveDotNames(WindowsPathParts& parts) {
  std::vector<std::string> kept;
  for (std::string& name : parts.names) {
    if (name == ".") continue;
    if (name == "..") {
      if (!kept.empty()) kept.pop_back();
      continue;
    }
    kept.push_back(std::move(name));
  }
  parts.names = std::move(kept);
}

std::string JoinWindowsPath(const WindowsPathParts& parts) {
  std::string path = parts.root;
  bool needSeparator = parts.rootKind == PathRoot::Unc;
  for (const std::string& name : parts.names) {
    if (needSeparator) path += '\\';
    path += name;
    needSeparator = true;
  }
  if (parts.trailingSeparator && needSeparator) path += '\\';
  return path;
}

bool SameRoot(const WindowsPathParts& a, const WindowsPathParts& b) {
  if (a.rootKind != b.rootKind) return false;
  return EqualsIgnoringCase(a.root, b.root);
}

char DriveLetterOf(const WindowsPathParts& parts) {
  if (parts.rootKind != PathRoot::Drive && parts.rootKind != PathRoot::DriveRelative) return 0;
  char letter = parts.root[0];
  return letter >= 'a' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

}  // namespace sim
