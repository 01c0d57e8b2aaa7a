// The workbook path as a link stores it and back: relative to the design file's
// folder, or the file name alone, so that design files and workbooks can move
// together.
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "host/mssystem.h"
#include "output/LinkData.h"
#include "output/LinkSettings.h"
#include "output/LinkTexts.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/DesignFile.h"

namespace {

constexpr int kPathRelative = 1;
constexpr int kPathFileName = 2;
// Room for a long list of reference folders.
constexpr int kMaxCfgValueChars = 32768;

// Documents on a ProjectWise server ("*") and web addresses are no files here: no
// other form of them names the same document.
bool IsFileSystemPath(const std::string& path) {
  return path.find('*') == std::string::npos && path.find("://") == std::string::npos;
}

bool HasDrive(const std::string& path) {
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsNetworkPath(const std::string& path) { return path.rfind("\\\\", 0) == 0; }

std::string Combine(const std::string& folder, const std::string& file) {
  char combined[MAX_PATH];
  return PathCombineA(combined, folder.c_str(), file.c_str()) ? combined : std::string();
}

// The folders of the reference-file search path, each ending in a backslash.
std::vector<std::string> ReferenceFolders() {
  std::vector<char> value(kMaxCfgValueChars);
  if (mdlSystem_expandCfgVar(value.data(), kMaxCfgValueChars, kReferenceFoldersCfgVar) != SUCCESS) return {};
  std::vector<std::string> folders;
  std::string list = value.data();
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    std::string folder = list.substr(start, end - start);
    if (!folder.empty()) folders.push_back(folder.back() == '\\' ? folder : folder + '\\');
    start = end + 1;
  }
  return folders;
}

std::string FindByFileName(const std::string& name) {
  const std::string design = DesignFolder();
  if (!design.empty()) {
    std::string candidate = Combine(design, name);
    if (!candidate.empty() && PathFileExistsA(candidate.c_str())) return candidate;
  }
  for (const std::string& folder : ReferenceFolders()) {
    std::string candidate = folder + name;
    if (PathFileExistsA(candidate.c_str())) return candidate;
  }
  return name;
}

}  // namespace

std::string StoredLinkPath(const std::string& path) {
  if (!IsFileSystemPath(path)) return path;
  switch (LinkPathType()) {
    case kPathRelative: {
      // From a file: relative to the folder it is in. No relative path exists to
      // another drive or share; the full path stays.
      const std::string design = DesignFile();
      char relative[MAX_PATH];
      if (!design.empty() &&
          PathRelativePathToA(relative, design.c_str(), FILE_ATTRIBUTE_NORMAL, path.c_str(), FILE_ATTRIBUTE_NORMAL))
        return relative;
      return path;
    }
    case kPathFileName:
      return PathFindFileNameA(path.c_str());
    default:
      return path;
  }
}

std::string ResolveLinkPath(const std::string& storedPath) {
  if (storedPath.empty() || HasDrive(storedPath) || IsNetworkPath(storedPath) || !IsFileSystemPath(storedPath))
    return storedPath;
  const std::size_t lastSeparator = storedPath.find_last_of("\\/");
  if (lastSeparator == std::string::npos) return FindByFileName(storedPath);
  if (storedPath[0] == '.') {
    const std::string design = DesignFolder();
    std::string combined = design.empty() ? std::string() : Combine(design, storedPath);
    return combined.empty() ? storedPath : combined;
  }
  if (storedPath[0] == '\\' || storedPath[0] == '/') {
    const std::string design = DesignFile();
    return HasDrive(design) ? design.substr(0, 2) + storedPath : storedPath;
  }
  return storedPath;
}
