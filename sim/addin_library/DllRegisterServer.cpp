// The stand-in of the companion add-in's library. Its self-registration writes
// what a COM in-process server writes: the class key with the library as its
// server, and the ProgID pointing at the class.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/registry.h"
#include "sim/addin_library/StandInSwitches.h"
#include "sim/platform/SimPlatform.h"

namespace {

constexpr char kClassId[] = "{8E236125-FF40-49f4-9636-45EB1BEB6272}";
constexpr char kProgId[] = "QuorvelleV8i.XQVAddinMS";

constexpr HRESULT kFailed = static_cast<HRESULT>(0x80004005);        // E_FAIL
constexpr HRESULT kClassNotWritten = static_cast<HRESULT>(0x80040201);  // SELFREG_E_CLASS

bool SwitchIsOn(const char* valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, sim::kStandInSwitchesKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  DWORD type = 0, value = 0, size = sizeof value;
  bool on = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD && value == 1;
  RegCloseKey(key);
  return on;
}

bool VariableSays(const char* word) {
  const char* value = std::getenv(sim::kRegistrationVariable);
  return value && std::strcmp(value, word) == 0;
}

// Writes a text value under HKEY_CLASSES_ROOT, creating the key.
bool WriteClassesText(const std::string& keyPath, const char* valueName, const std::string& text) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return false;
  bool written = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

// This library's own path, as Windows names it.
std::string OwnPath() {
  Dl_info info;
  if (!::dladdr(reinterpret_cast<void*>(&OwnPath), &info) || !info.dli_fname) return "";
  return sim::ToWindowsPath(info.dli_fname);
}

}  // namespace

extern "C" HRESULT DllRegisterServer() {
  if (SwitchIsOn(sim::kFailRegistrationValue) || VariableSays("fail")) return kFailed;
  if (SwitchIsOn(sim::kRegisterNothingValue) || VariableSays("nothing")) return S_OK;

  std::string server = OwnPath();
  std::string classKey = std::string("CLSID\\") + kClassId;
  bool written = !server.empty() && WriteClassesText(kProgId, nullptr, kProgId) &&
                 WriteClassesText(std::string(kProgId) + "\\CLSID", nullptr, kClassId) &&
                 WriteClassesText(classKey, nullptr, kProgId) &&
                 WriteClassesText(classKey + "\\ProgID", nullptr, kProgId) &&
                 WriteClassesText(classKey + "\\InprocServer32", nullptr, server) &&
                 WriteClassesText(classKey + "\\InprocServer32", "ThreadingModel", "Apartment");
  return written ? S_OK : kClassNotWritten;
}
