// The shell's special folders, resolved through the folder table to Windows paths.
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/shellfolders.h"
#include "sim/SimFailures.h"
#include "sim/platform/ItemIdLists.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/SpecialFolderTable.h"

namespace sim {
namespace {

constexpr HRESULT kFailed = static_cast<HRESULT>(0x80004005);           // E_FAIL
constexpr HRESULT kInvalidArgument = static_cast<HRESULT>(0x80070057);  // E_INVALIDARG
constexpr HRESULT kNotFound = static_cast<HRESULT>(0x80070002);         // from ERROR_FILE_NOT_FOUND

// The Windows path of a special folder (flags included in `csidl`), creating the
// folder when asked.
HRESULT ResolveSpecialFolder(int csidl, bool create, std::string& windowsPath) {
  int number = csidl & ~CSIDL_FLAG_MASK;
  if (!IsKnownSpecialFolder(number)) return kInvalidArgument;
  std::string folder = SpecialFolder(number);
  if (folder.empty()) return kFailed;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    if (!create && !(csidl & CSIDL_FLAG_CREATE)) return kNotFound;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return kFailed;
  }
  windowsPath = ToWindowsPath(folder);
  return windowsPath.empty() ? kFailed : S_OK;
}

// Copies a path into a caller's MAX_PATH buffer; false (and "") when it does not fit.
BOOL CopyPath(const std::string& path, LPSTR buffer) {
  if (path.size() >= MAX_PATH) {
    buffer[0] = '\0';
    return FALSE;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return TRUE;
}

}  // namespace
}  // namespace sim

HRESULT SHGetSpecialFolderLocation(HWND hwnd, int csidl, PIDLIST_ABSOLUTE* ppidl) {
  if (!ppidl) return sim::kInvalidArgument;
  *ppidl = nullptr;
  if (sim::ShouldFail("SHGetSpecialFolderLocation")) return sim::kFailed;
  std::string path;
  if (HRESULT result = sim::ResolveSpecialFolder(csidl, false, path); result != S_OK) return result;
  *ppidl = sim::NewItemIdList(path);
  return *ppidl ? S_OK : sim::kFailed;
}

BOOL SHGetPathFromIDListA(PCIDLIST_ABSOLUTE pidl, LPSTR pszPath) {
  if (!pszPath) return FALSE;
  std::optional<std::string> path = sim::PathOfItemIdList(pidl);
  if (!path) {
    pszPath[0] = '\0';
    return FALSE;
  }
  return sim::CopyPath(*path, pszPath);
}

void CoTaskMemFree(LPVOID pv) {
  // Memory the shell did not hand out is left alone rather than corrupting the heap.
  sim::FreeItemIdList(pv);
}

BOOL SHGetSpecialFolderPathA(HWND hwndOwner, LPSTR pszPath, int csidl, BOOL fCreate) {
  if (!pszPath) return FALSE;
  pszPath[0] = '\0';
  if (sim::ShouldFail("SHGetSpecialFolderPathA")) return FALSE;
  std::string path;
  if (sim::ResolveSpecialFolder(csidl, fCreate != FALSE, path) != S_OK) return FALSE;
  return sim::CopyPath(path, pszPath);
}
