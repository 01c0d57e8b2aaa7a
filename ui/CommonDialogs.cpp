#include "ui/CommonDialogs.h"

#include <cstdio>
#include <vector>

#include "platform/commdlg.h"
#include "platform/library.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/shellfolders.h"
#include "ui/UiTexts.h"

namespace {

// Room for the document path the library writes, in characters.
constexpr int kDocumentChars = 520;

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
              std::string* path) {
  const std::string systemFilter = SystemFilter(filter);
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = systemFilter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = defaultExtension;
  ofn.Flags = flags | OFN_EXPLORER;
  if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) return false;
  *path = file;
  return true;
}

void Tell(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kProjectWiseBoxTitle, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

bool PickFileToOpen(HWND owner, const char* defaultExtension, const char* filter, std::string* path) {
  return PickFile(owner, defaultExtension, filter, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, false, path);
}

bool PickFileToSave(HWND owner, const char* defaultExtension, const char* filter, std::string* path) {
  return PickFile(owner, defaultExtension, filter, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, true, path);
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

bool PickProjectWiseDocument(HWND owner, const std::string& libraryPath, std::u16string* document) {
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
  using SelectDocument = int (*)(HWND, WCHAR*, int);
  bool chosen = false;
  // Through the generic function type, as casts between function types must go.
  if (auto select = reinterpret_cast<SelectDocument>(
          reinterpret_cast<void (*)()>(GetProcAddress(library, kSelectDocumentFunction)))) {
    std::vector<WCHAR> buffer(kDocumentChars, 0);
    if (select(owner, buffer.data(), kDocumentChars) != 0) {
      buffer.back() = 0;  // whatever the library wrote, the text ends in the buffer
      *document = buffer.data();
      chosen = true;
    }
  }
  FreeLibrary(library);
  return chosen;
}
