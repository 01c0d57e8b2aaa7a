// The stand-in system reports itself as a Windows 10 workstation unless told
// otherwise.
#include "platform/version.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "sim/SimFailures.h"
#include "sim/platform/Failure.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {
SystemVersion& Current() {
  static SystemVersion version;
  return version;
}
}  // namespace

void SetSystemVersion(const SystemVersion& version) { Current() = version; }
}  // namespace sim

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (!info) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  const DWORD size = info->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA))
    return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
  if (sim::ShouldFail("GetVersionExA")) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  const sim::SystemVersion& version = sim::Current();
  OSVERSIONINFOEXA full{};
  full.dwOSVersionInfoSize = size;
  full.dwMajorVersion = version.major;
  full.dwMinorVersion = version.minor;
  full.dwBuildNumber = version.build;
  full.dwPlatformId = version.platform;
  std::strncpy(full.szCSDVersion, version.servicePack.c_str(), sizeof full.szCSDVersion - 1);
  full.wServicePackMajor = version.servicePackMajor;
  full.wSuiteMask = version.suiteMask;
  full.wProductType = version.productType;
  std::memcpy(static_cast<void*>(info), &full, size);
  return TRUE;
}

BOOL GetUserNameA(LPSTR buffer, DWORD* size) {
  if (!size) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  std::string name;
  if (const passwd* entry = getpwuid(getuid())) name = entry->pw_name;
  if (name.empty() && std::getenv("USER")) name = std::getenv("USER");
  if (!buffer || *size <= name.size()) {
    *size = static_cast<DWORD>(name.size() + 1);
    return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
  }
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size() + 1);
  return TRUE;
}
