#include "platform/library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "sim/platform/SimPlatform.h"

namespace {

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetPlatform(); }
  void TearDown() override { sim::ResetPlatform(); }

  // The stand-in platform's own library: always there, already loaded, and it has
  // both exports of its own and libraries it uses. `exportName` is the linker name
  // of one of its functions.
  static std::string PlatformLibrary(std::string* exportName = nullptr) {
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void*>(&sim::ResetPlatform), &info) || !info.dli_fname || !info.dli_sname)
      return "";
    if (exportName) *exportName = info.dli_sname;
    return sim::ToWindowsPath(std::filesystem::canonical(info.dli_fname).string());
  }

  TempFolder folder_;
};

TEST_F(LibraryTest, ExportsAreFoundUntilEveryLoadIsFreed) {
  std::string exportName;
  std::string path = PlatformLibrary(&exportName);
  ASSERT_FALSE(path.empty());
  HMODULE first = LoadLibraryA(path.c_str());
  ASSERT_NE(first, nullptr);
  HMODULE second = LoadLibraryA(path.c_str());
  EXPECT_EQ(second, first);  // one module, loaded twice
  EXPECT_EQ(sim::LoadedLibraryCount(), 2u);

  FARPROC own = GetProcAddress(first, exportName.c_str());
  EXPECT_EQ(reinterpret_cast<void*>(own), reinterpret_cast<void*>(&sim::ResetPlatform));
  // Functions of the libraries it uses, names it lacks and ordinals are not its exports.
  for (const char* name : {"sqlite3_open", "dlopen", "NoSuchFunction", ""}) {
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(first, name), nullptr) << name;
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND) << name;
  }
  EXPECT_EQ(GetProcAddress(first, reinterpret_cast<LPCSTR>(std::uintptr_t{1})), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);

  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_NE(GetProcAddress(first, exportName.c_str()), nullptr);  // one load is still held
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_EQ(sim::LoadedLibraryCount(), 0u);

  for (HMODULE stale : {first, static_cast<HMODULE>(nullptr)}) {
    SetLastError(0);
    EXPECT_FALSE(FreeLibrary(stale));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetProcAddress(stale, exportName.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
}

TEST_F(LibraryTest, WhatCannotBeLoadedSaysWhy) {
  ASSERT_TRUE(sim::MapDrive('C', folder_.path()));
  folder_.Write("AddIns/notes.dll", "not a library\n");
  folder_.Write("AddIns/empty.dll", "");
  folder_.Write("AddIns/Folder.dll/readme.txt", "a folder named like a library");
  struct Case {
    const char* path;
    DWORD error;
  };
  const Case cases[] = {
      {"C:\\AddIns\\missing.dll", ERROR_MOD_NOT_FOUND},
      {"C:\\NoFolder\\missing.dll", ERROR_MOD_NOT_FOUND},
      {"Q:\\AddIns\\missing.dll", ERROR_MOD_NOT_FOUND},  // a drive nobody mapped
      {"", ERROR_MOD_NOT_FOUND},
      {"C:\\ADDINS\\NOTES.DLL", ERROR_BAD_FORMAT},
      {"C:\\AddIns\\empty.dll", ERROR_BAD_FORMAT},
      {"C:\\AddIns\\Folder.dll", ERROR_ACCESS_DENIED},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(c.path), nullptr) << c.path;
    EXPECT_EQ(GetLastError(), c.error) << c.path;
  }
  SetLastError(0);
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(sim::LoadedLibraryCount(), 0u);
}

TEST_F(LibraryTest, ResetFreesWhatWasLeftLoaded) {
  HMODULE module = LoadLibraryA(PlatformLibrary().c_str());
  ASSERT_NE(module, nullptr);
  sim::ResetPlatform();
  EXPECT_EQ(sim::LoadedLibraryCount(), 0u);
  EXPECT_FALSE(FreeLibrary(module));
}

}  // namespace
