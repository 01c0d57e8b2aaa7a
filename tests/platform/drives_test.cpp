#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "sim/platform/SimPlatform.h"

namespace {

class DrivesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    ASSERT_TRUE(sim::MapDrive('C', folder_.path()));
  }
  void TearDown() override { sim::ResetPlatform(); }

  TempFolder folder_;
};

TEST_F(DrivesTest, DriveZIsTheLinuxRoot) {
  EXPECT_EQ(sim::ToLinuxPath("Z:\\home\\ana\\b.xlsx"), "/home/ana/b.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("z:/home/ana/b.xlsx"), "/home/ana/b.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("Z:\\home\\ana\\..\\bob\\.\\c.xlsx"), "/home/bob/c.xlsx");
  EXPECT_EQ(sim::ToWindowsPath("/home/ana/b.xlsx"), "Z:\\home\\ana\\b.xlsx");
  EXPECT_EQ(sim::ToWindowsPath("/home//ana/./x/../b.xlsx"), "Z:\\home\\ana\\b.xlsx");
  EXPECT_EQ(sim::ToWindowsPath("/"), "Z:\\");
  EXPECT_FALSE(sim::MapDrive('Z', "/srv"));
  EXPECT_EQ(sim::ToLinuxPath("Z:\\srv"), "/srv");
}

TEST_F(DrivesTest, AMappedDriveWorksBothWays) {
  const std::string& c = folder_.path();
  EXPECT_EQ(sim::ToLinuxPath("C:\\Data\\Book1.xlsx"), c + "/Data/Book1.xlsx");
  EXPECT_EQ(sim::ToWindowsPath(c + "/Data/Book1.xlsx"), "C:\\Data\\Book1.xlsx");
  EXPECT_EQ(sim::ToWindowsPath(c), "C:\\");
  // A folder whose name merely starts like the drive's is not on the drive.
  std::string sibling = "Z:" + c + "x/Book1.xlsx";
  std::replace(sibling.begin(), sibling.end(), '/', '\\');
  EXPECT_EQ(sim::ToWindowsPath(c + "x/Book1.xlsx"), sibling);
  // The drive mapped to the deepest folder wins.
  ASSERT_TRUE(sim::MapDrive('d', c + "/Data"));
  EXPECT_EQ(sim::ToWindowsPath(c + "/Data/Book1.xlsx"), "D:\\Book1.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("d:\\Book1.xlsx"), c + "/Data/Book1.xlsx");
  sim::UnmapDrive('D');
  EXPECT_EQ(sim::ToLinuxPath("D:\\Book1.xlsx"), "");
}

TEST_F(DrivesTest, UnmappedDrivesAndNetworkPathsNameNothing) {
  for (const char* path : {"Q:\\Data\\Book1.xlsx", "\\\\server\\share\\Book1.xlsx", "//server/share/Book1.xlsx"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(sim::ToLinuxPath(path), "");
    EXPECT_FALSE(PathFileExistsA(path));
    EXPECT_EQ(CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  }
  EXPECT_EQ(sim::ToLinuxPath("C:\\Data\\Book?.xlsx"), "");  // not a name Windows allows
  EXPECT_FALSE(sim::MapDrive('C', "relative/folder"));
  EXPECT_FALSE(sim::MapDrive('1', "/srv"));
  EXPECT_EQ(sim::ToWindowsPath("/srv/back\\slash"), "");  // no Windows path can name it
}

TEST_F(DrivesTest, NamesAreMatchedWithoutRegardToCase) {
  std::string book = folder_.Write("Data/Book1.xlsx", "x");
  std::string umlaut = folder_.Write("Data/Übersicht.xlsx", "y");
  EXPECT_EQ(sim::ToLinuxPath("C:\\DATA\\book1.XLSX"), book);
  EXPECT_EQ(sim::ToLinuxPath("C:\\data\\übersicht.XLSX"), umlaut);
  // A name still to be created keeps its spelling, under the folder that exists.
  EXPECT_EQ(sim::ToLinuxPath("C:\\data\\New.xlsx"), folder_ / "Data/New.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("C:\\data\\NewFolder\\New.xlsx"), folder_ / "Data/NewFolder/New.xlsx");
  // Trailing dots and spaces are not part of a name, as on Windows.
  EXPECT_EQ(sim::ToLinuxPath("C:\\Data\\Book1.xlsx. "), book);
}

TEST_F(DrivesTest, ExactSpellingWinsOverAnotherCase) {
  std::string lower = folder_.Write("book.xlsx", "lower");
  std::string upper = folder_.Write("BOOK.xlsx", "upper");
  EXPECT_EQ(sim::ToLinuxPath("C:\\book.xlsx"), lower);
  EXPECT_EQ(sim::ToLinuxPath("C:\\BOOK.xlsx"), upper);
  EXPECT_EQ(sim::ToLinuxPath("C:\\Book.XLSX"), upper);  // neither exact: the first in byte order
}

TEST_F(DrivesTest, DrivesComeFromTheEnvironment) {
  const char* before = std::getenv("QUORVELLE_DRIVES");
  std::optional<std::string> saved = before ? std::optional<std::string>(before) : std::nullopt;
  std::string setting = "E=" + folder_.path() + ";;junk;Z=/elsewhere;F=relative;G=" + folder_.path() + "/Data";
  ::setenv("QUORVELLE_DRIVES", setting.c_str(), 1);
  sim::ResetPlatform();
  EXPECT_EQ(sim::ToLinuxPath("E:\\x.xlsx"), folder_ / "x.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("G:\\x.xlsx"), folder_ / "Data/x.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("Z:\\x.xlsx"), "/x.xlsx");
  EXPECT_EQ(sim::ToLinuxPath("F:\\x.xlsx"), "");
  EXPECT_EQ(sim::ToLinuxPath("C:\\x.xlsx"), "");  // MapDrive lasts until the reset
  if (saved)
    ::setenv("QUORVELLE_DRIVES", saved->c_str(), 1);
  else
    ::unsetenv("QUORVELLE_DRIVES");
}

class CurrentDirectoryTest : public DrivesTest {
 protected:
  void SetUp() override {
    DrivesTest::SetUp();
    previous_ = std::filesystem::current_path();
    std::filesystem::create_directories(folder_ / "Work");
    std::filesystem::current_path(folder_ / "Work");
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    DrivesTest::TearDown();
  }
  std::filesystem::path previous_;
};

TEST_F(CurrentDirectoryTest, TheCurrentFolderIsTheLinuxOneInWindowsForm) {
  char buffer[MAX_PATH];
  DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  EXPECT_STREQ(buffer, "C:\\Work");
  EXPECT_EQ(length, 7u);
  EXPECT_EQ(GetCurrentDirectoryA(7, buffer), 8u);  // too small: the size needed, with the NUL
}

TEST_F(CurrentDirectoryTest, FullPathsAreCompletedAgainstTheCurrentFolder) {
  struct Case {
    const char* path;
    const char* expected;
    const char* filePart;  // null: none
  };
  const Case cases[] = {
      {"Book1.xlsx", "C:\\Work\\Book1.xlsx", "Book1.xlsx"},
      {"..\\Data\\.\\Book1.xlsx", "C:\\Data\\Book1.xlsx", "Book1.xlsx"},
      {"Sub/Book1.xlsx. ", "C:\\Work\\Sub\\Book1.xlsx", "Book1.xlsx"},
      {"\\Root.xlsx", "C:\\Root.xlsx", "Root.xlsx"},
      {"C:Book1.xlsx", "C:\\Work\\Book1.xlsx", "Book1.xlsx"},
      {"D:Book1.xlsx", "D:\\Book1.xlsx", "Book1.xlsx"},
      {"Z:\\a\\..\\..\\b", "Z:\\b", "b"},
      {"C:\\Data\\", "C:\\Data\\", nullptr},
      {"\\\\srv\\share\\x\\..\\y", "\\\\srv\\share\\y", "y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    char buffer[MAX_PATH];
    LPSTR filePart = nullptr;
    DWORD length = GetFullPathNameA(c.path, sizeof buffer, buffer, &filePart);
    EXPECT_EQ(length, std::strlen(c.expected));
    EXPECT_STREQ(buffer, c.expected);
    if (c.filePart) {
      EXPECT_STREQ(filePart, c.filePart);
    } else {
      EXPECT_EQ(filePart, nullptr);
    }
  }
  char small[4];
  EXPECT_EQ(GetFullPathNameA("Book1.xlsx", sizeof small, small, nullptr), std::strlen("C:\\Work\\Book1.xlsx") + 1);
  EXPECT_EQ(GetFullPathNameA("", sizeof small, small, nullptr), 0u);
}

}  // namespace
