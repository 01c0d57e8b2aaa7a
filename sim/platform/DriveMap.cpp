#include "sim/platform/DriveMap.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <vector>

#include "sim/platform/CaseInsensitiveLookup.h"
#include "sim/platform/FullPath.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/WindowsPathSyntax.h"

namespace sim {
namespace {

constexpr char kRootDrive = 'Z';

struct DriveTable {
  std::array<std::string, 26> folders;  // "" = not mapped
  bool loaded = false;
};

DriveTable& Drives() {
  static DriveTable table;
  return table;
}

// "/a/./b/../c/" -> names {a, c}; relative paths are taken from the current folder.
std::optional<std::vector<std::string>> LinuxNames(std::string_view path) {
  std::string absolute(path);
  if (absolute.empty() || absolute[0] != '/') {
    char* cwd = ::getcwd(nullptr, 0);
    if (!cwd) return std::nullopt;
    absolute = std::string(cwd) + "/" + absolute;
    std::free(cwd);
  }
  std::vector<std::string> names;
  std::size_t pos = 0;
  while (pos < absolute.size()) {
    std::size_t end = absolute.find('/', pos);
    if (end == std::string::npos) end = absolute.size();
    std::string name = absolute.substr(pos, end - pos);
    pos = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    names.push_back(std::move(name));
  }
  return names;
}

std::string LinuxPathOf(const std::vector<std::string>& names) {
  std::string path;
  for (const std::string& name : names) path += "/" + name;
  return path.empty() ? "/" : path;
}

bool IsValidWindowsName(std::string_view name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("<>:\"|?*\\/").find(c) != std::string_view::npos) return false;
  }
  return true;
}

int DriveIndex(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  return -1;
}

bool SetDrive(char letter, const std::string& linuxFolder) {
  int index = DriveIndex(letter);
  if (index < 0 || index == kRootDrive - 'A' || linuxFolder.empty() || linuxFolder[0] != '/') return false;
  std::optional<std::vector<std::string>> names = LinuxNames(linuxFolder);
  if (!names) return false;
  Drives().folders[index] = LinuxPathOf(*names);
  return true;
}

void LoadFromEnvironment(DriveTable& table) {
  table.folders = {};
  table.folders[kRootDrive - 'A'].assign(1, '/');
  table.loaded = true;
  const char* setting = std::getenv("QUORVELLE_DRIVES");
  if (!setting) return;
  std::string_view rest = setting;
  while (!rest.empty()) {
    std::size_t end = rest.find(';');
    std::string_view entry = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (entry.empty()) continue;
    if (entry.size() < 3 || entry[1] != '=' || !SetDrive(entry[0], std::string(entry.substr(2))))
      std::cerr << "QUORVELLE_DRIVES: ignored \"" << entry
                << "\": expected a drive letter other than Z, \"=\" and an absolute folder\n";
  }
}

DriveTable& LoadedDrives() {
  DriveTable& table = Drives();
  if (!table.loaded) LoadFromEnvironment(table);
  return table;
}

}  // namespace

ResolvedPath ResolveWindowsPath(std::string_view windowsPath) {
  if (windowsPath.empty()) return {"", ERROR_PATH_NOT_FOUND};
  std::optional<WindowsPathParts> full = FullWindowsPathParts(windowsPath);
  if (!full) return {"", ERROR_PATH_NOT_FOUND};
  for (const std::string& name : full->names)
    if (!IsValidWindowsName(name)) return {"", ERROR_INVALID_NAME};
  int index = DriveIndex(DriveLetterOf(*full));
  if (index < 0) return {"", ERROR_PATH_NOT_FOUND};  // a network path
  const std::string& folder = LoadedDrives().folders[index];
  if (folder.empty()) return {"", ERROR_PATH_NOT_FOUND};
  return {FindPathIgnoringCase(folder, full->names), ERROR_SUCCESS};
}

bool ResolvePathArgument(LPCSTR windowsPath, std::string& linuxPath) {
  if (!windowsPath) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  ResolvedPath resolved = ResolveWindowsPath(windowsPath);
  if (resolved.error != ERROR_SUCCESS) {
    SetLastError(resolved.error);
    return false;
  }
  linuxPath = std::move(resolved.linuxPath);
  return true;
}

void ResetDriveMap() { LoadFromEnvironment(Drives()); }

bool MapDrive(char letter, const std::string& linuxFolder) {
  LoadedDrives();
  return SetDrive(letter, linuxFolder);
}

void UnmapDrive(char letter) {
  int index = DriveIndex(letter);
  if (index >= 0 && index != kRootDrive - 'A') LoadedDrives().folders[index].clear();
}

std::string ToLinuxPath(const std::string& windowsPath) { return ResolveWindowsPath(windowsPath).linuxPath; }

std::string ToWindowsPath(const std::string& linuxPath) {
  if (linuxPath.empty()) return "";
  std::optional<std::vector<std::string>> names = LinuxNames(linuxPath);
  if (!names) return "";
  for (const std::string& name : *names)
    if (!IsValidWindowsName(name)) return "";  // no Windows path can name it

  // The drive whose folder holds the path most closely; Z: (the root) holds everything.
  const DriveTable& table = LoadedDrives();
  char bestLetter = kRootDrive;
  std::size_t bestDepth = 0;
  for (int index = 0; index < 26; ++index) {
    const std::string& folder = table.folders[index];
    if (folder.empty() || index == kRootDrive - 'A') continue;
    std::vector<std::string> folderNames = *LinuxNames(folder);
    bool holds =
        folderNames.size() <= names->size() && std::equal(folderNames.begin(), folderNames.end(), names->begin());
    if (holds && folderNames.size() > bestDepth) {
      bestLetter = static_cast<char>('A' + index);
      bestDepth = folderNames.size();
    }
  }
  std::string path = std::string(1, bestLetter) + ":\\";
  for (std::size_t i = bestDepth; i < names->size(); ++i) {
    if (i > bestDepth) path += '\\';
    path += (*names)[i];
  }
  return path;
}

}  // namespace sim
