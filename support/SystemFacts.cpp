#include "support/SystemFacts.h"

#include <cstdio>

#include "platform/version.h"
#include "support/Registry.h"
#include "support/SupportTexts.h"
#include "support/TextCompare.h"

namespace {

std::string Format(const char* format, auto... values) {
  char text[512];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

std::string WindowsName(const OSVERSIONINFOEXA& v) {
  const char* sp = v.szCSDVersion;
  switch (v.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
      return "Microsoft Win32s ";
    case VER_PLATFORM_WIN32_WINDOWS:
      if (v.dwMajorVersion == 4 && v.dwMinorVersion == 0)
        return std::string("Microsoft Windows 95 ") + (sp[0] && (sp[1] == 'C' || sp[1] == 'B') ? "OSR2 " : "");
      if (v.dwMajorVersion == 4 && v.dwMinorVersion == 10)
        return std::string("Microsoft Windows 98 ") + (sp[0] && sp[1] == 'A' ? "SE " : "");
      if (v.dwMajorVersion == 4 && v.dwMinorVersion == 90) return "Microsoft Windows Me ";
      return "";
    case VER_PLATFORM_WIN32_NT:
      if (v.dwMajorVersion <= 4) return "Microsoft Windows NT ";
      if (v.dwMajorVersion == 5 && v.dwMinorVersion == 0) return "Microsoft Windows 2000 ";
      if (v.dwMajorVersion == 5 && v.dwMinorVersion == 1) return "Microsoft Windows XP ";
      return "";
    default:
      return "";
  }
}

std::string EditionFromRecord(const OSVERSIONINFOEXA& v) {
  if (v.wProductType == VER_NT_WORKSTATION) return v.wSuiteMask & VER_SUITE_PERSONAL ? "Personal " : "Professional ";
  if (v.wProductType == VER_NT_SERVER) {
    if (v.wSuiteMask & VER_SUITE_DATACENTER) return "DataCenter Server ";
    if (v.wSuiteMask & VER_SUITE_ENTERPRISE) return "Advanced Server ";
    return "Server ";
  }
  return "";
}

// Systems that give only the basic record say what they are in the registry.
std::string EditionFromRegistry() {
  std::string type;
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", "ProductType",
                          &type))
    return "";
  if (EqualsNoCase(type, "WINNT")) return "Professional ";
  if (EqualsNoCase(type, "LANMANNT")) return "Server ";
  if (EqualsNoCase(type, "SERVERNT")) return "Advanced Server ";
  return "";
}

}  // namespace

std::string OSVersionText() {
  OSVERSIONINFOEXA v{};
  v.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  bool extended = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&v));
  if (!extended) {
    v = OSVERSIONINFOEXA{};
    v.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&v))) return "";
  }
  std::string text = WindowsName(v);
  if (v.dwPlatformId != VER_PLATFORM_WIN32_NT) return text;
  text += extended ? EditionFromRecord(v) : EditionFromRegistry();
  const int build = static_cast<int>(v.dwBuildNumber & 0xFFFF);
  if (v.dwMajorVersion > 4) return text + Format("%s (Build %d)\n", v.szCSDVersion, build);
  return text + Format("version %d.%d %s (Build %d)\n", static_cast<int>(v.dwMajorVersion),
                       static_cast<int>(v.dwMinorVersion), v.szCSDVersion, build);
}

std::string PlatformVersionText() { return Format(kPlatformVersionFormat, kPlatformVersion); }
