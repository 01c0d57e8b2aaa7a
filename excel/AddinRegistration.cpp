#include "excel/AddinRegistration.h"

#include <cstdio>
#include <string>

#include "excel/AddinTexts.h"
#include "support/SupportTexts.h"
#include "excel/ExcelResiliency.h"
#include "host/msoutput.h"
#include "platform/library.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "settings/Profile.h"

namespace {

std::string ClassKeyPath() {
  char path[64];
  std::snprintf(path, sizeof path, kClassKeyFormat, kAddinClassId);
  return path;
}

bool IsClassRegistered() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ClassKeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string LoadFailureText(const std::string& libraryPath, DWORD error) {
  int length = std::snprintf(nullptr, 0, kFailedToLoadFormat, libraryPath.c_str(), static_cast<int>(error));
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  std::snprintf(text.data(), text.size() + 1, kFailedToLoadFormat, libraryPath.c_str(), static_cast<int>(error));
  return text;
}

// Loads the library and runs its self-registration; false after telling the user
// why it could not.
bool RunSelfRegistration(const std::string& libraryPath) {
  HMODULE library = LoadLibraryA(libraryPath.c_str());
  if (!library) {
    DWORD error = GetLastError();
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, LoadFailureText(libraryPath, error).c_str(), MSGBOX_ICON_INFORMATION);
    return false;
  }
  using RegisterServerFunction = HRESULT (*)();
  // Through the generic function type, which converts to any other without a warning.
  auto registerServer = reinterpret_cast<RegisterServerFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, kRegisterEntryPoint)));
  // A library without the entry point cannot register itself: the same failure as
  // one that refuses.
  bool registered = registerServer && registerServer() == S_OK;
  if (!registered)
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, kFailedToRegister, MSGBOX_ICON_WARNING);
  FreeLibrary(library);
  return registered;
}

// Excel loads the add-in at its next start. A value that cannot be written does not
// stop the operation: Excel then goes by what it already holds.
void EnableAddinInExcel() {
  WriteRegistryString(HKEY_CURRENT_USER, kExcelAddinKey, kFriendlyNameValue, kAddinDisplayName);
  WriteRegistryString(HKEY_CURRENT_USER, kExcelAddinKey, kDescriptionValue, kAddinDisplayName);
  WriteRegistryDword(HKEY_CURRENT_USER, kExcelAddinKey, kLoadBehaviorValue, kLoadAtStartup);
  WriteRegistryDword(HKEY_CURRENT_USER, kExcelAddinKey, kCommandLineSafeValue, kCommandLineSafe);
}

}  // namespace

int EnsureAddinRegistered() {
  if (!IsClassRegistered()) {
    // Without the library there is nothing to register; the caller reports the failure.
    std::string libraryPath = AddinLibraryPath();
    if (libraryPath.empty() || !PathFileExistsA(libraryPath.c_str())) return 0;
    if (!RunSelfRegistration(libraryPath)) return 0;
    if (!IsClassRegistered()) {
      mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, kExcelNotStarted, MSGBOX_ICON_WARNING);
      return 0;
    }
  }
  // A crash may have made Excel disable the add-in; clear that on every operation.
  ClearExcelResiliency(kResiliencySearchText);
  EnableAddinInExcel();
  return 1;
}

bool DisableAddinLoading() {
  return WriteRegistryDword(HKEY_CURRENT_USER, kExcelAddinKey, kLoadBehaviorValue, kDoNotLoad);
}
