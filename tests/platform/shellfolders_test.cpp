#include "platform/shellfolders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "sim/SimFailures.h"
#include "sim/platform/SimPlatform.h"

namespace {

// Sets an environment variable for the life of the object, then puts it back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class ShellFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    sim::ClearFailures();
  }
  void TearDown() override {
    sim::ClearFailures();
    sim::ResetPlatform();
  }

  // The path through the item identifier list, or nothing when the shell refuses.
  static std::optional<std::string> PathByLocation(int csidl) {
    PIDLIST_ABSOLUTE list = reinterpret_cast<PIDLIST_ABSOLUTE>(&list);  // must be reset on failure
    if (SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK) {
      EXPECT_EQ(list, nullptr);
      return std::nullopt;
    }
    char path[MAX_PATH] = "x";
    BOOL resolved = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    EXPECT_TRUE(resolved);
    return std::string(path);
  }
  static std::optional<std::string> PathByName(int csidl, BOOL create) {
    char path[MAX_PATH] = "x";
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, create)) {
      EXPECT_STREQ(path, "");
      return std::nullopt;
    }
    return std::string(path);
  }

  TempFolder folder_;
};

TEST_F(ShellFolderTest, EachFolderIsTheWindowsPathOfItsLinuxFolder) {
  ASSERT_TRUE(sim::MapDrive('C', folder_.path()));
  const std::pair<int, std::string> folders[] = {
      {CSIDL_COMMON_APPDATA, "ProgramData"}, {CSIDL_APPDATA, "Users/ana/AppData"}, {CSIDL_PERSONAL, "Users/ana/Docs"}};
  for (const auto& [csidl, relative] : folders) {
    std::filesystem::create_directories(folder_ / relative);
    ASSERT_TRUE(sim::SetSpecialFolder(csidl, folder_ / relative));
    std::string expected = "C:\\" + relative;
    std::replace(expected.begin(), expected.end(), '/', '\\');
    EXPECT_EQ(PathByLocation(csidl), expected) << csidl;
    EXPECT_EQ(PathByName(csidl, FALSE), expected) << csidl;
  }
  EXPECT_EQ(sim::ShellMemoryBlockCount(), 0u);  // every list was given back
}

TEST_F(ShellFolderTest, AMissingFolderIsFoundOnlyWhenItMayBeCreated) {
  std::string programData = folder_ / "ProgramData";
  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, programData));
  EXPECT_EQ(PathByLocation(CSIDL_COMMON_APPDATA), std::nullopt);
  EXPECT_EQ(PathByName(CSIDL_COMMON_APPDATA, FALSE), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(programData));

  EXPECT_EQ(PathByName(CSIDL_COMMON_APPDATA, TRUE), sim::ToWindowsPath(programData));
  EXPECT_TRUE(std::filesystem::is_directory(programData));
  std::filesystem::remove(programData);
  EXPECT_EQ(PathByLocation(CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE), sim::ToWindowsPath(programData));
  EXPECT_TRUE(std::filesystem::is_directory(programData));
}

TEST_F(ShellFolderTest, UnavailableUnknownAndFailingFoldersAreRefused) {
  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, folder_.path()));
  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_APPDATA, ""));
  EXPECT_EQ(PathByLocation(CSIDL_APPDATA), std::nullopt);
  EXPECT_EQ(PathByName(CSIDL_APPDATA, TRUE), std::nullopt);
  EXPECT_EQ(PathByLocation(0x0010), std::nullopt);  // the desktop: no such folder here
  EXPECT_FALSE(sim::SetSpecialFolder(0x0010, folder_.path()));
  EXPECT_FALSE(sim::SetSpecialFolder(CSIDL_PERSONAL, "relative/folder"));

  sim::FailOperation("SHGetSpecialFolderLocation");
  EXPECT_EQ(PathByLocation(CSIDL_COMMON_APPDATA), std::nullopt);
  EXPECT_EQ(PathByLocation(CSIDL_COMMON_APPDATA), sim::ToWindowsPath(folder_.path()));  // once only
  sim::FailOperation("SHGetSpecialFolderPathA");
  EXPECT_EQ(PathByName(CSIDL_COMMON_APPDATA, FALSE), std::nullopt);

  EXPECT_LT(SHGetSpecialFolderLocation(nullptr, CSIDL_COMMON_APPDATA, nullptr), 0);
  EXPECT_EQ(sim::ShellMemoryBlockCount(), 0u);
}

TEST_F(ShellFolderTest, ListsNotHandedOutByTheShellNameNothing) {
  ITEMIDLIST foreign{};
  char path[MAX_PATH] = "x";
  EXPECT_FALSE(SHGetPathFromIDListA(&foreign, path));
  EXPECT_STREQ(path, "");
  EXPECT_FALSE(SHGetPathFromIDListA(nullptr, path));
  CoTaskMemFree(nullptr);
  CoTaskMemFree(&foreign);  // left alone

  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_PERSONAL, folder_.path()));
  PIDLIST_ABSOLUTE list = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list), S_OK);
  EXPECT_EQ(sim::ShellMemoryBlockCount(), 1u);
  sim::ResetPlatform();
  EXPECT_EQ(sim::ShellMemoryBlockCount(), 0u);
  EXPECT_FALSE(SHGetPathFromIDListA(list, path));  // released with the reset
}

TEST_F(ShellFolderTest, FoldersComeFromTheEnvironmentUntilChosen) {
  std::string fromVariable = folder_ / "FromVariable";
  std::string dataHome = folder_ / "data";
  ScopedVariable common("QUORVELLE_COMMON_APPDATA", fromVariable.c_str());
  ScopedVariable appData("QUORVELLE_APPDATA", "relative/is/ignored");
  ScopedVariable personal("QUORVELLE_PERSONAL", nullptr);
  ScopedVariable xdg("XDG_DATA_HOME", dataHome.c_str());
  EXPECT_EQ(sim::SpecialFolder(CSIDL_COMMON_APPDATA), fromVariable);
  EXPECT_EQ(sim::SpecialFolder(CSIDL_APPDATA), dataHome + "/quorvelle/AppData");
  EXPECT_EQ(sim::SpecialFolder(CSIDL_PERSONAL), dataHome + "/quorvelle/Documents");

  ASSERT_TRUE(sim::SetSpecialFolder(CSIDL_COMMON_APPDATA, folder_.path()));
  EXPECT_EQ(sim::SpecialFolder(CSIDL_COMMON_APPDATA), folder_.path());
  sim::ResetPlatform();
  EXPECT_EQ(sim::SpecialFolder(CSIDL_COMMON_APPDATA), fromVariable);

  ScopedVariable noXdg("XDG_DATA_HOME", nullptr);
  ScopedVariable home("HOME", folder_.path().c_str());
  EXPECT_EQ(sim::SpecialFolder(CSIDL_PERSONAL), folder_.path() + "/.local/share/quorvelle/Documents");
}

}  // namespace
