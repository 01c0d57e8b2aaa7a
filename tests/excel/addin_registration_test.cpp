#include "excel/AddinRegistration.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "RegistrySnapshot.h"
#include "RegistryValues.h"
#include "host/msoutput.h"
#include "platform/shellfolders.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "sim/addin_library/AddinInstall.h"
#include "tests/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using test_registry::KeyExists;
using test_registry::SetValue;

const char kClassKey[] = "CLSID\\{8E236125-FF40-49f4-9636-45EB1BEB6272}";
const char kExcelAddinKey[] = "Software\\Microsoft\\Office\\Excel\\Addins\\QuorvelleV8i.XQVAddinMS";
const char kDisabledItems15[] = "Software\\Microsoft\\Office\\15.0\\Excel\\Resiliency\\DisabledItems";

// Something at the library's path that cannot be loaded, in place of what was there.
void PutTextAsLibrary() {
  std::string path = sim::AddinLibraryInstallPath();
  fs::create_directories(fs::path(path).parent_path());
  fs::remove(path);
  std::ofstream(path) << "not a library\n";
}

class AddinRegistrationTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    programData_ = (dir.path() / "ProgramData").string();
    fs::create_directories(programData_);
    ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, programData_));
  }

  static void Install() { ASSERT_EQ(sim::InstallAddinLibraryStandIn(), ""); }
  static std::string Text(HKEY root, const std::string& key, const char* name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return "<no key>";
    char data[1024] = "";
    DWORD type = 0, size = sizeof data - 1;
    LSTATUS status = RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) return "<no value>";
    if (type == REG_DWORD) {
      DWORD number = 0;
      std::memcpy(&number, data, sizeof number);
      return "dword " + std::to_string(number);
    }
    return std::string(data);
  }
  static std::vector<std::string> AddinValues() {
    std::vector<std::string> values;
    for (const char* name : {"FriendlyName", "Description", "LoadBehavior", "CommandLineSafe"})
      values.push_back(Text(HKEY_CURRENT_USER, kExcelAddinKey, name));
    return values;
  }
  static std::vector<std::string> Sorted(std::vector<std::string> entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  std::string programData_;
};

TEST_F(AddinRegistrationTest, ARegisteredClassTouchesOnlyTheCrashListsAndTheAddinValues) {
  ASSERT_TRUE(SetValue(HKEY_CLASSES_ROOT, kClassKey, "", REG_SZ, "QuorvelleV8i.XQVAddinMS"));
  PutTextAsLibrary();  // loading it would show a message and fail
  ASSERT_TRUE(SetValue(HKEY_CURRENT_USER, kDisabledItems15, "3F2A", REG_SZ, "C:\\AddIns\\QuorvelleV8i.dll"));
  ASSERT_TRUE(SetValue(HKEY_CURRENT_USER, kDisabledItems15, "3F2B", REG_SZ, "C:\\AddIns\\Other.xll"));
  registry_snapshot::Snapshot before = registry_snapshot::Take();

  EXPECT_EQ(EnsureAddinRegistered(), 1);

  const std::string addin = std::string("+HKCU\\") + kExcelAddinKey + "\\";
  EXPECT_EQ(Sorted(registry_snapshot::Changes(before, registry_snapshot::Take())),
            Sorted({"+HKCU\\Software\\Microsoft\\Office\\Excel\\", "+HKCU\\Software\\Microsoft\\Office\\Excel\\Addins\\",
                    addin, addin + "|FriendlyName", addin + "|Description", addin + "|LoadBehavior",
                    addin + "|CommandLineSafe",
                    std::string("-HKCU\\") + kDisabledItems15 + "\\|3F2A"}));
  EXPECT_EQ(AddinValues(), (std::vector<std::string>{"QuorvelleV8i", "QuorvelleV8i", "dword 3", "dword 1"}));
  EXPECT_TRUE(sim::OutputLog().empty());
  EXPECT_EQ(sim::LoadedLibraryCount(), 0u);

  // The operation ends; Excel crashes before the next one starts, which again
  // clears the crash list and sets the add-in to load.
  ASSERT_TRUE(DisableAddinLoading());
  EXPECT_EQ(Text(HKEY_CURRENT_USER, kExcelAddinKey, "LoadBehavior"), "dword 0");
  ASSERT_TRUE(SetValue(HKEY_CURRENT_USER, kDisabledItems15, "3F2C", REG_SZ, "c:\\addins\\quorvellev8i.dll"));
  before = registry_snapshot::Take();
  EXPECT_EQ(EnsureAddinRegistered(), 1);
  EXPECT_EQ(Sorted(registry_snapshot::Changes(before, registry_snapshot::Take())),
            Sorted({addin + "|LoadBehavior", std::string("-HKCU\\") + kDisabledItems15 + "\\|3F2C"}));
  EXPECT_TRUE(sim::OutputLog().empty());
}

TEST_F(AddinRegistrationTest, AnUnregisteredClassIsRegisteredByItsLibraryOnce) {
  Install();
  EXPECT_EQ(EnsureAddinRegistered(), 1);

  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::string(kClassKey) + "\\InprocServer32", ""), AddinLibraryPath());
  EXPECT_EQ(AddinValues(), (std::vector<std::string>{"QuorvelleV8i", "QuorvelleV8i", "dword 3", "dword 1"}));
  EXPECT_EQ(sim::LoadedLibraryCount(), 0u);  // unloaded once it has registered
  EXPECT_TRUE(sim::OutputLog().empty());

  PutTextAsLibrary();  // later operations find the class and leave the library alone
  EXPECT_EQ(EnsureAddinRegistered(), 1);
  EXPECT_TRUE(sim::OutputLog().empty());
}

TEST_F(AddinRegistrationTest, TheLibraryPathIsInTheCommonApplicationDataFolder) {
  ASSERT_TRUE(sim::MapDrive('C', dir.path().string()));
  EXPECT_EQ(AddinLibraryPath(), "C:\\ProgramData\\Microsoft\\AddIns\\QuorvelleV8i.dll");
  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, "/"));  // a root already ends with a backslash
  EXPECT_EQ(AddinLibraryPath(), "Z:\\Microsoft\\AddIns\\QuorvelleV8i.dll");
  sim::FailOperation("SHGetSpecialFolderLocation");
  EXPECT_EQ(AddinLibraryPath(), "");
  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, ""));
  EXPECT_EQ(AddinLibraryPath(), "");
  EXPECT_EQ(sim::ShellMemoryBlockCount(), 0u);
}

// Every way registration can fail: the result is 0, at most one box says why, and
// nothing is left registered, enabled, cleared or loaded.
struct FailureCase {
  const char* name;
  std::function<void()> arrange;
  std::optional<sim::OutputKind> box;  // none: nothing is shown
  std::function<std::string()> text;
  int icon;
};

std::string PlatformLibrary() {
  Dl_info info{};
  ::dladdr(reinterpret_cast<void*>(&RegOpenKeyExA), &info);
  return info.dli_fname ? fs::canonical(info.dli_fname).string() : "";
}

const FailureCase kFailures[] = {
    {"LibraryMissing", [] {}, std::nullopt, nullptr, 0},
    {"FolderFailing",
     [] {
       ASSERT_EQ(sim::InstallAddinLibraryStandIn(), "");
       sim::FailOperation("SHGetSpecialFolderLocation");
     },
     std::nullopt, nullptr, 0},
    {"FolderUnavailable",
     [] {
       ASSERT_EQ(sim::InstallAddinLibraryStandIn(), "");
       sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, "");
     },
     std::nullopt, nullptr, 0},
    {"NotALibrary",
     PutTextAsLibrary,
     sim::OutputKind::HostMessageBox, [] { return "Failed to Load " + AddinLibraryPath() + ": 11."; },
     MSGBOX_ICON_INFORMATION},
    {"NoEntryPoint",  // a library that loads but cannot register itself
     [] {
       std::string path = sim::AddinLibraryInstallPath();
       fs::create_directories(fs::path(path).parent_path());
       fs::create_symlink(PlatformLibrary(), path);
     },
     sim::OutputKind::HostMessageBox, [] { return std::string("Failed to register the Quorvelle."); },
     MSGBOX_ICON_WARNING},
    {"RegistrationRefused",
     [] {
       ASSERT_EQ(sim::InstallAddinLibraryStandIn(), "");
       ASSERT_TRUE(sim::SetAddinRegistration(sim::AddinRegistration::Fails));
     },
     sim::OutputKind::HostMessageBox, [] { return std::string("Failed to register the Quorvelle."); },
     MSGBOX_ICON_WARNING},
    {"NothingRegistered",
     [] {
       ASSERT_EQ(sim::InstallAddinLibraryStandIn(), "");
       ASSERT_TRUE(sim::SetAddinRegistration(sim::AddinRegistration::RegistersNothing));
     },
     sim::OutputKind::AdvisoryBox, nullptr, MSGBOX_ICON_WARNING},
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class AddinRegistrationFailureTest : public AddinRegistrationTest,
                                     public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AddinRegistrationFailureTest, LeavesTheAddinAsItWas) {
  const FailureCase& c = GetParam();
  ASSERT_TRUE(SetValue(HKEY_CURRENT_USER, kDisabledItems15, "3F2A", REG_SZ, "C:\\AddIns\\QuorvelleV8i.dll"));
  c.arrange();
  if (HasFatalFailure()) return;

  EXPECT_EQ(EnsureAddinRegistered(), 0);

  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kExcelAddinKey));
  EXPECT_EQ(test_registry::ValueNames(HKEY_CURRENT_USER, kDisabledItems15), std::vector<std::string>{"3F2A"});
  EXPECT_EQ(sim::LoadedLibraryCount(), 0u);
  const std::vector<sim::OutputEvent>& log = sim::OutputLog();
  if (!c.box) {
    EXPECT_TRUE(log.empty());
    return;
  }
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, c.box);
  EXPECT_EQ(log[0].handle, DIALOGID_MsgBoxOK);
  EXPECT_EQ(log[0].code, c.icon);
  if (c.text) {
    EXPECT_EQ(log[0].text, c.text());
  }
  if (c.box == sim::OutputKind::AdvisoryBox) {
    EXPECT_EQ(log[0].title, "Korvu Quorvelle for MicroStation V8i");
    EXPECT_EQ(log[0].text.rfind("Quorvelle failed to start Excel.\n\n", 0), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Failures, AddinRegistrationFailureTest, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& failure) { return failure.param.name; });

}  // namespace
