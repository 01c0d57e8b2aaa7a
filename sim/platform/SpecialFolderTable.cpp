#include "sim/platform/SpecialFolderTable.h"

#include <cstdlib>
#include <map>
#include <string>

#include "platform/shellfolders.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

struct SpecialFolderKind {
  int csidl;
  const char* variable;     // names the folder when set and absolute
  const char* defaultName;  // under <data home>/quorvelle otherwise
};

constexpr SpecialFolderKind kKinds[] = {
    {CSIDL_PERSONAL, "QUORVELLE_PERSONAL", "Documents"},
    {CSIDL_APPDATA, "QUORVELLE_APPDATA", "AppData"},
    {CSIDL_COMMON_APPDATA, "QUORVELLE_COMMON_APPDATA", "ProgramData"},
};

const SpecialFolderKind* KindOf(int csidl) {
  for (const SpecialFolderKind& kind : kKinds)
    if (kind.csidl == csidl) return &kind;
  return nullptr;
}

// Folders chosen by sim::SetSpecialFolder; "" marks one made unavailable.
std::map<int, std::string>& Chosen() {
  static std::map<int, std::string> chosen;
  return chosen;
}

std::string AbsoluteFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return value && value[0] == '/' ? value : "";
}

// $XDG_DATA_HOME, else ~/.local/share; "" when neither can be told.
std::string DataHome() {
  std::string xdg = AbsoluteFromEnvironment("XDG_DATA_HOME");
  if (!xdg.empty()) return xdg;
  std::string home = AbsoluteFromEnvironment("HOME");
  return home.empty() ? "" : home + "/.local/share";
}

}  // namespace

bool IsKnownSpecialFolder(int csidl) { return KindOf(csidl) != nullptr; }

void ResetSpecialFolders() { Chosen().clear(); }

bool SetSpecialFolder(int csidl, const std::string& linuxFolder) {
  if (!KindOf(csidl) || (!linuxFolder.empty() && linuxFolder[0] != '/')) return false;
  Chosen()[csidl] = linuxFolder;
  return true;
}

std::string SpecialFolder(int csidl) {
  const SpecialFolderKind* kind = KindOf(csidl);
  if (!kind) return "";
  if (auto it = Chosen().find(csidl); it != Chosen().end()) return it->second;
  std::string fromEnvironment = AbsoluteFromEnvironment(kind->variable);
  if (!fromEnvironment.empty()) return fromEnvironment;
  std::string dataHome = DataHome();
  return dataHome.empty() ? "" : dataHome + "/quorvelle/" + kind->defaultName;
}

}  // namespace sim
