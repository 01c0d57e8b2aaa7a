#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/files.h"

namespace {

struct RelativeCase {
  const char* from;
  DWORD fromAttributes;
  const char* to;
  const char* expected;  // null: no relative path exists
};

TEST(PathRelativePathTo, FromOneFileToAnother) {
  const DWORD file = FILE_ATTRIBUTE_NORMAL;
  const DWORD folder = FILE_ATTRIBUTE_DIRECTORY;
  const RelativeCase cases[] = {
      {"C:\\Proj\\Dgn\\plan.dgn", file, "C:\\Proj\\Dgn\\Book1.xls", ".\\Book1.xls"},
      {"C:\\Proj\\plan.dgn", file, "C:\\Proj\\Sub\\Book1.xls", ".\\Sub\\Book1.xls"},
      {"C:\\Proj\\Dgn\\plan.dgn", file, "C:\\Proj\\Data\\Book1.xls", "..\\Data\\Book1.xls"},
      {"C:\\Proj\\Dgn\\plan.dgn", file, "C:\\Proj\\Book1.xls", "..\\Book1.xls"},
      {"C:\\A\\B\\C\\plan.dgn", file, "C:\\A\\X\\Book1.xls", "..\\..\\X\\Book1.xls"},
      {"C:\\plan.dgn", file, "C:\\Data\\Book1.xls", ".\\Data\\Book1.xls"},
      {"c:\\PROJ\\dgn\\plan.dgn", file, "C:\\proj\\Data\\Book1.xls", "..\\Data\\Book1.xls"},
      {"C:\\Project\\plan.dgn", file, "C:\\Proj\\Book1.xls", "..\\Proj\\Book1.xls"},  // a shared prefix is no folder
      {"C:\\Proj", folder, "C:\\Proj\\Data\\Book1.xls", ".\\Data\\Book1.xls"},
      {"C:\\Proj\\Dgn\\..\\Dgn\\plan.dgn", file, "C:\\Proj\\Data\\Book1.xls", "..\\Data\\Book1.xls"},
      {"\\\\srv\\share\\a\\plan.dgn", file, "\\\\srv\\share\\b\\Book1.xls", "..\\b\\Book1.xls"},
      {"C:\\Proj\\plan.dgn", file, "D:\\Proj\\Book1.xls", nullptr},
      {"\\\\srv\\one\\plan.dgn", file, "\\\\srv\\two\\Book1.xls", nullptr},
      {"C:\\Proj\\plan.dgn", file, "\\\\srv\\share\\Book1.xls", nullptr},
  };
  for (const RelativeCase& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    char result[MAX_PATH] = "junk";
    BOOL ok = PathRelativePathToA(result, c.from, c.fromAttributes, c.to, FILE_ATTRIBUTE_NORMAL);
    if (c.expected) {
      EXPECT_TRUE(ok);
      EXPECT_STREQ(result, c.expected);
    } else {
      EXPECT_FALSE(ok);
      EXPECT_STREQ(result, "");
    }
  }
}

TEST(PathCanonicalize, RemovesDotsAndStopsAtTheRoot) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\one\\.\\..\\two\\three\\..", "C:\\two"},
      {"C:\\a\\..\\..\\..\\b", "C:\\b"},
      {"C:\\..", "C:\\"},
      {"C:\\a\\.\\b\\", "C:\\a\\b\\"},
      {"C:", "C:\\"},
      {"one\\two", "one\\two"},
      {"\\\\srv\\share\\..\\x", "\\\\srv\\share\\x"},
      {"C:\\one/two\\..", "C:\\"},  // "/" is no separator for the shell functions
      {"", "\\"},
  };
  for (const auto& [path, expected] : cases) {
    SCOPED_TRACE(path);
    char result[MAX_PATH];
    EXPECT_TRUE(PathCanonicalizeA(result, path));
    EXPECT_STREQ(result, expected);
  }
  char result[MAX_PATH];
  EXPECT_FALSE(PathCanonicalizeA(result, nullptr));
  std::string tooLong = "C:\\" + std::string(MAX_PATH, 'a');
  EXPECT_FALSE(PathCanonicalizeA(result, tooLong.c_str()));
  EXPECT_STREQ(result, "");
}

TEST(PathCombine, JoinsAFolderAndAFile) {
  struct Case {
    const char* dir;
    const char* file;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Data", "Book1.xls", "C:\\Data\\Book1.xls"},
      {"C:\\Data\\", "..\\Other\\Book1.xls", "C:\\Other\\Book1.xls"},
      {"C:\\Data", "D:\\Book1.xls", "D:\\Book1.xls"},
      {"C:\\Data\\Sub", "\\Book1.xls", "C:\\Book1.xls"},
      {"\\\\srv\\share\\dir", "\\Book1.xls", "\\\\srv\\share\\Book1.xls"},
      {"C:\\Data", nullptr, "C:\\Data"},
      {nullptr, "Book1.xls", "Book1.xls"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dir ? c.dir : "(null)") + " + " + (c.file ? c.file : "(null)"));
    char result[MAX_PATH];
    EXPECT_EQ(PathCombineA(result, c.dir, c.file), result);
    EXPECT_STREQ(result, c.expected);
  }
  char result[MAX_PATH];
  std::string longName(MAX_PATH - 5, 'n');
  EXPECT_EQ(PathCombineA(result, "C:\\Data", longName.c_str()), nullptr);
  EXPECT_STREQ(result, "");
}

struct SplitCase {
  const char* path;
  const char* drive;
  const char* dir;
  const char* fname;
  const char* ext;
};

TEST(SplitPath, FollowsTheRuntimesRules) {
  const SplitCase cases[] = {
      {"C:\\Data\\Book1.xlsx", "C:", "\\Data\\", "Book1", ".xlsx"},
      {"Data\\Book1.xlsx", "", "Data\\", "Book1", ".xlsx"},
      {"\\\\server\\share\\dir\\file.txt", "", "\\\\server\\share\\dir\\", "file", ".txt"},
      {"C:\\Data\\Sub\\", "C:", "\\Data\\Sub\\", "", ""},
      {"C:\\my.folder\\file", "C:", "\\my.folder\\", "file", ""},
      {"C:\\a.b\\c.d.e", "C:", "\\a.b\\", "c.d", ".e"},
      {"C:Book1.xls", "C:", "", "Book1", ".xls"},
      {"Book1", "", "", "Book1", ""},
      {".hidden", "", "", "", ".hidden"},
      {"C:\\dir\\file.", "C:", "\\dir\\", "file", "."},
      {"/home/ana/b.xlsx", "", "/home/ana/", "b", ".xlsx"},
      {"", "", "", "", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.path);
    char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
    ASSERT_EQ(_splitpath_s(c.path, drive, sizeof drive, dir, sizeof dir, fname, sizeof fname, ext, sizeof ext), 0);
    EXPECT_STREQ(drive, c.drive);
    EXPECT_STREQ(dir, c.dir);
    EXPECT_STREQ(fname, c.fname);
    EXPECT_STREQ(ext, c.ext);

    // Joining the parts gives the path back.
    char joined[_MAX_PATH];
    ASSERT_EQ(_makepath_s(joined, sizeof joined, drive, dir, fname, ext), 0);
    EXPECT_STREQ(joined, c.path);
  }
}

TEST(SplitPath, PartsThatDoNotFitLeaveEveryPartEmpty) {
  char drive[_MAX_DRIVE] = "x", dir[4] = "x", fname[_MAX_FNAME] = "x", ext[_MAX_EXT] = "x";
  EXPECT_EQ(
      _splitpath_s("C:\\Data\\Book1.xls", drive, sizeof drive, dir, sizeof dir, fname, sizeof fname, ext, sizeof ext),
      ERANGE);
  EXPECT_STREQ(drive, "");
  EXPECT_STREQ(dir, "");
  EXPECT_STREQ(fname, "");
  EXPECT_STREQ(ext, "");
  EXPECT_EQ(_splitpath_s(nullptr, drive, sizeof drive, nullptr, 0, nullptr, 0, nullptr, 0), EINVAL);
  EXPECT_EQ(_splitpath_s("a.b", drive, 0, nullptr, 0, nullptr, 0, nullptr, 0), EINVAL);

  // Only the parts asked for are written.
  EXPECT_EQ(_splitpath_s("C:\\Data\\Book1.xls", nullptr, 0, nullptr, 0, fname, sizeof fname, nullptr, 0), 0);
  EXPECT_STREQ(fname, "Book1");

  // The fixed-size form never writes past its _MAX_ sizes.
  std::string longDir = "C:\\" + std::string(300, 'd') + "\\Book1.xls";
  char smallDir[_MAX_DIR];
  _splitpath(longDir.c_str(), drive, smallDir, fname, ext);
  EXPECT_STREQ(smallDir, "");
  EXPECT_STREQ(fname, "");
}

TEST(MakePath, AddsTheMissingSeparators) {
  char path[_MAX_PATH];
  ASSERT_EQ(_makepath_s(path, sizeof path, "C", "\\Data", "Book1", "xlsx"), 0);
  EXPECT_STREQ(path, "C:\\Data\\Book1.xlsx");
  ASSERT_EQ(_makepath_s(path, sizeof path, nullptr, nullptr, "Book1", nullptr), 0);
  EXPECT_STREQ(path, "Book1");
  char small[8];
  EXPECT_EQ(_makepath_s(small, sizeof small, "C", "\\Data", "Book1", "xlsx"), ERANGE);
  EXPECT_STREQ(small, "");
}

TEST(PathFunctions, FindNamesAndExtensions) {
  const std::pair<const char*, const char*> fileNames[] = {
      {"C:\\Data\\Book1.xls", "Book1.xls"},
      {"C:\\Data\\Sub\\", "Sub\\"},
      {"Book1.xls", "Book1.xls"},
      {"C:Book1.xls", "Book1.xls"},
      {"C:\\", "C:\\"},
  };
  for (const auto& [path, expected] : fileNames) EXPECT_STREQ(PathFindFileNameA(path), expected) << path;

  const std::pair<const char*, const char*> extensions[] = {
      {"C:\\Data\\Book1.xls", ".xls"},
      {"file.txt.doc", ".doc"},
      {"C:\\my.folder\\file", ""},
      {"name.with space", ""},
      {"", ""},
  };
  for (const auto& [path, expected] : extensions) EXPECT_STREQ(PathFindExtensionA(path), expected) << path;
  const char* noExtension = "C:\\a.b\\c";
  EXPECT_EQ(PathFindExtensionA(noExtension), noExtension + std::strlen(noExtension));
}

TEST(PathFunctions, RemoveFileSpecKeepsTheRoot) {
  struct Case {
    const char* path;
    const char* expected;
    BOOL removed;
  };
  const Case cases[] = {
      {"C:\\Data\\Book1.xls", "C:\\Data", TRUE},
      {"C:\\Book1.xls", "C:\\", TRUE},
      {"C:\\", "C:\\", FALSE},
      {"C:\\Data\\", "C:\\Data", TRUE},
      {"\\\\srv\\share\\x", "\\\\srv\\share", TRUE},
      {"Book1.xls", "", TRUE},
      {"\\Book1.xls", "\\", TRUE},
  };
  for (const Case& c : cases) {
    char path[MAX_PATH];
    std::strcpy(path, c.path);
    EXPECT_EQ(PathRemoveFileSpecA(path), c.removed) << c.path;
    EXPECT_STREQ(path, c.expected) << c.path;
  }
}

TEST(PathFunctions, AddBackslashStripPathAndIsRelative) {
  char path[MAX_PATH] = "C:\\Data";
  EXPECT_EQ(PathAddBackslashA(path), path + 8);
  EXPECT_STREQ(path, "C:\\Data\\");
  EXPECT_EQ(PathAddBackslashA(path), path + 8);  // already there
  std::string full(MAX_PATH - 1, 'a');
  std::strcpy(path, full.c_str());
  EXPECT_EQ(PathAddBackslashA(path), nullptr);  // no room left in MAX_PATH
  EXPECT_EQ(std::string(path), full);

  std::strcpy(path, "C:\\Data\\Book1.xls");
  PathStripPathA(path);
  EXPECT_STREQ(path, "Book1.xls");

  const std::pair<const char*, BOOL> relative[] = {
      {"Data\\Book1.xls", TRUE}, {"..\\Data", TRUE}, {"", TRUE},
      {"C:\\Data", FALSE},       {"\\Data", FALSE},  {"\\\\srv\\share", FALSE},
  };
  for (const auto& [text, expected] : relative) EXPECT_EQ(PathIsRelativeA(text), expected) << text;
}

}  // namespace
