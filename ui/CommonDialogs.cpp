#include "ui/CommonDialogs.h"

#include <cstdio>
#include <functional>
#include <vector>

#include "platform/commdlg.h"
#include "platform/library.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/shellfolders.h"
#include "ui/UiTexts.h"

namespace {

// Room for the paths the library writes, in characters.
constexpr int kDocumentChars = 520;
constexpr int kLocalCopyChars = 260;

// "a|b|c|d||" as the system dialog wants it: "a\0b\0c\0d\0\0".
std::string SystemFilter(const char* filter) {
  std::string text = filter ? filter : "";
  while (!text.empty() && text.back() == '|') text.pop_back();
  for (char& c : text)
    if (c == '|') c = '\0';
  text.append(2, '\0');
  return text;
}

bool PickFile(HWND owner, const char* defaultExtension, const char* filter, DWORD flags, bool save,
              std::string* path, const std::string& initialFolder, const std::string& initialName) {
  const std::string systemFilter = SystemFilter(filter);
  char file[MAX_PATH] = {};
  initialName.copy(file, MAX_PATH - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = systemFilter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = defaultExtension;
  ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  ofn.Flags = flags | OFN_EXPLORER;
  if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) return false;
  *path = file;
  return true;
}

void Tell(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kProjectWiseBoxTitle, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

bool PickFileToOpen(HWND owner, const char* defaultExtension, const char* filter, std::string* path,
                    const std::string& initialFolder) {
  return PickFile(owner, defaultExtension, filter, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, false, path, initialFolder,
                  "");
}

bool PickFileToSave(HWND owner, const char* defaultExtension, const char* filter, std::string* path,
                    const std::string& initialFolder, const std::string& initialName) {
  return PickFile(owner, defaultExtension, filter, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, true, path, initialFolder,
                  initialName);
}

bool PickFolder(HWND owner, const char* title, std::string* folder) {
  char name[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = name;
  info.lpszTitle = title;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE list = SHBrowseForFolderA(&info);
  if (!list) return false;
  char path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListA(list, path) != FALSE;
  CoTaskMemFree(list);
  if (named) *folder = path;
  return named;
}

namespace {

// Loads the ProjectWise component's library and calls `use` with its function of that
// name; false, and nothing called, when the library or the function cannot be had
// (a library that is missing or cannot be loaded is told in a box).
template <typename Function>
bool WithProjectWiseFunction(HWND owner, const std::string& libraryPath, const char* name,
                             const std::function<bool(Function)>& use) {
  if (libraryPath.empty()) return false;
  char text[1200];
  if (!PathFileExistsA(libraryPath.c_str())) {
    std::snprintf(text, sizeof text, kCannotFindLibrary, libraryPath.c_str());
    Tell(owner, text);
    return false;
  }
  HMODULE library = LoadLibraryA(libraryPath.c_str());
  if (!library) {
    std::snprintf(text, sizeof text, kFailedToLoadLibrary, libraryPath.c_str(), static_cast<int>(GetLastError()));
    Tell(owner, text);
    return false;
  }
  // Through the generic function type, as casts between function types must go.
  auto function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
  const bool used = function && use(function);
  FreeLibrary(library);
  return used;
}

// The UTF-16 text the library wrote, ended within the buffer whatever it wrote.
std::u16string TextOf(std::vector<WCHAR>& buffer) {
  buffer.back() = 0;
  return buffer.data();
}

}  // namespace

bool PickProjectWiseDocument(HWND owner, const std::string& libraryPath, std::u16string* document) {
  using SelectDocument = int (*)(HWND, WCHAR*, int);
  return WithProjectWiseFunction<SelectDocument>(owner, libraryPath, kSelectDocumentFunction, [&](SelectDocument select) {
    std::vector<WCHAR> buffer(kDocumentChars, 0);
    if (select(owner, buffer.data(), kDocumentChars) == 0) return false;
    *document = TextOf(buffer);
    return true;
  });
}

bool FetchProjectWiseDocument(HWND owner, const std::string& libraryPath, int openMode, std::u16string* localCopy) {
  using OpenDocument = int (*)(HWND, int, WCHAR*, int);
  return WithProjectWiseFunction<OpenDocument>(owner, libraryPath, kOpenDocumentFunction, [&](OpenDocument open) {
    std::vector<WCHAR> buffer(kLocalCopyChars, 0);
    if (open(owner, openMode, buffer.data(), kLocalCopyChars) == 0) return false;
    *localCopy = TextOf(buffer);
    return true;
  });
}
