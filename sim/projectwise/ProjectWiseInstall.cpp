// Installing the ProjectWise component's stand-in as its installer would.
#include "platform/registry.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "sim/projectwise/ProjectWiseServer.h"

namespace sim {
namespace {

bool WriteString(HKEY root, const std::string& path, const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const bool written = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

bool WriteDword(HKEY root, const std::string& path, const char* name, DWORD value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const bool written =
      RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

}  // namespace

std::string InstallProjectWiseStandIn() {
  const std::string library = ToWindowsPath(QV_PW_LIBRARY_FILE);
  const bool installed =
      WriteString(HKEY_CLASSES_ROOT, "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}", "", "Quorvelle for ProjectWise") &&
      WriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvu\\KorvuMSV8i\\Quorvelle", "QuorvellePWPath", library) &&
      WriteDword(HKEY_CURRENT_USER, std::string("Software\\Microsoft\\Office\\Excel\\Addins\\") + kProjectWiseAddinProgId,
                 "LoadBehavior", 3);
  return installed ? "" : "The ProjectWise component could not be registered.";
}

}  // namespace sim
