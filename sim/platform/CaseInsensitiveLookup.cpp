#include "sim/platform/CaseInsensitiveLookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>

#include "sim/platform/TextCase.h"

namespace sim {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

std::string Child(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::optional<std::string> EntryIgnoringCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
  if (!dir) return std::nullopt;
  const std::string wanted = FoldCase(name);
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(dir)) {
    std::string candidate = entry->d_name;
    if (FoldCase(candidate) == wanted && (!found || candidate < *found)) found = std::move(candidate);
  }
  ::closedir(dir);
  return found;
}

}  // namespace

std::string FindPathIgnoringCase(const std::string& folder, const std::vector<std::string>& names) {
  std::string path = folder;
  for (const std::string& name : names) path = Child(path, name);
  if (Exists(path)) return path;  // the usual case: the case was right

  path = folder;
  std::size_t i = 0;
  for (; i < names.size(); ++i) {
    std::string exact = Child(path, names[i]);
    if (Exists(exact)) {
      path = std::move(exact);
      continue;
    }
    std::optional<std::string> entry = EntryIgnoringCase(path, names[i]);
    if (!entry) break;
    path = Child(path, *entry);
  }
  for (; i < names.size(); ++i) path = Child(path, names[i]);
  return path;
}

}  // namespace sim
