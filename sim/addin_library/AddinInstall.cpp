#include "sim/addin_library/AddinInstall.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/registry.h"
#include "platform/shellfolders.h"
#include "sim/addin_library/StandInSwitches.h"
#include "sim/platform/AtomicFile.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

// Next to the running program first, so that a build moved elsewhere still finds
// its own copy; then where this build wrote it.
std::string BuiltLibrary() {
  const fs::path built = QV_ADDIN_LIBRARY_FILE;
  std::error_code ec;
  fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    fs::path beside = program.parent_path() / built.filename();
    if (fs::is_regular_file(beside, ec)) return beside.string();
  }
  return fs::is_regular_file(built, ec) ? built.string() : "";
}

int CopyInto(int source, int target) {
  if (::fchmod(target, 0755) != 0) return errno;
  std::vector<char> buffer(1 << 16);
  for (;;) {
    ssize_t n = ::read(source, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    if (int error = WriteAllBytes(target, buffer.data(), static_cast<std::size_t>(n))) return error;
  }
}

bool WriteSwitch(const char* valueName, bool on) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kStandInSwitchesKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  DWORD value = on ? 1 : 0;
  bool written = RegSetValueExA(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
                 ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

}  // namespace

std::string AddinLibraryInstallPath() {
  std::string folder = SpecialFolder(CSIDL_COMMON_APPDATA);
  std::string windowsFolder = folder.empty() ? "" : ToWindowsPath(folder);
  if (windowsFolder.empty()) return "";
  // Through the Windows path, so that folders differing only in case are the ones the module finds.
  return ToLinuxPath(windowsFolder + "\\Microsoft\\AddIns\\QuorvelleV8i.dll");
}

std::string InstallAddinLibraryStandIn() {
  std::string source = BuiltLibrary();
  if (source.empty())
    return std::string("The add-in library stand-in is not built (looked beside this program and at ") +
           QV_ADDIN_LIBRARY_FILE + ").";
  std::string target = AddinLibraryInstallPath();
  if (target.empty()) return "The common application-data folder is not available.";

  std::error_code ec;
  fs::create_directories(fs::path(target).parent_path(), ec);
  if (ec) return "Cannot create " + fs::path(target).parent_path().string() + ": " + ec.message();
  int input = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) return "Cannot read " + source + ": " + std::strerror(errno);
  int error = WriteFileAtomically(target, [input](int output) { return CopyInto(input, output); });
  ::close(input);
  if (error) return "Cannot write " + target + ": " + std::strerror(error);
  return "";
}

bool SetAddinRegistration(AddinRegistration behaviour) {
  bool fail = WriteSwitch(kFailRegistrationValue, behaviour == AddinRegistration::Fails);
  bool nothing = WriteSwitch(kRegisterNothingValue, behaviour == AddinRegistration::RegistersNothing);
  return fail && nothing;
}

}  // namespace sim
