#include <string>

#include "excel/AddinRegistration.h"
#include "excel/AddinTexts.h"
#include "platform/shellfolders.h"

std::string AddinLibraryPath() {
  PIDLIST_ABSOLUTE folder = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, CSIDL_COMMON_APPDATA, &folder) != S_OK || !folder) return "";
  char path[MAX_PATH] = "";
  BOOL resolved = SHGetPathFromIDListA(folder, path);
  CoTaskMemFree(folder);
  if (!resolved || !path[0]) return "";

  std::string library = path;
  if (library.back() != '\\') library += '\\';
  return library + kAddinLibraryFolder + kAddinLibraryName + kAddinLibraryExtension;
}
