#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "platform/paths.h"
#include "sim/SimFailures.h"
#include "sim/platform/SimPlatform.h"

namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    sim::ClearFailures();
    ASSERT_TRUE(sim::MapDrive('C', folder_.path()));
  }
  void TearDown() override {
    sim::ClearFailures();
    sim::ResetPlatform();
  }

  static HANDLE Open(const char* path, DWORD access, DWORD disposition) {
    return CreateFileA(path, access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  static std::string ReadAll(HANDLE file) {
    std::string content;
    char buffer[7];  // small, so reads take several turns
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    return content;
  }
  static bool WriteAll(HANDLE file, const std::string& content) {
    DWORD written = 0;
    return WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
           written == content.size();
  }
  // Sets a file's last write time (UTC).
  static void SetModified(const std::string& linuxPath, time_t seconds, long nanoseconds) {
    timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, linuxPath.c_str(), times, 0), 0);
  }

  TempFolder folder_;
};

TEST_F(FilesTest, WhatIsWrittenIsReadBack) {
  HANDLE file = Open("C:\\Data\\..\\Book1.bin", GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  std::string content("row 1\0row 2\n\xff", 13);
  ASSERT_TRUE(WriteAll(file, content));
  DWORD high = 99;
  EXPECT_EQ(GetFileSize(file, &high), 13u);
  EXPECT_EQ(high, 0u);

  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_BEGIN), 0u);
  EXPECT_EQ(ReadAll(file), content);
  EXPECT_EQ(SetFilePointer(file, -7, nullptr, FILE_END), 6u);
  char buffer[3];
  DWORD got = 0;
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
  EXPECT_EQ(std::string(buffer, got), "row");
  EXPECT_EQ(SetFilePointer(file, 2, nullptr, FILE_CURRENT), 11u);
  EXPECT_EQ(SetFilePointer(file, -20, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_END), 13u);
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));  // the end: nothing, but no failure
  EXPECT_EQ(got, 0u);
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_EQ(TempFolder::Read(folder_ / "Book1.bin"), content);
  EXPECT_EQ(sim::OpenHandleCount(), 0u);
}

TEST_F(FilesTest, CreationDispositions) {
  struct Case {
    DWORD disposition;
    bool exists;
    bool opens;
    DWORD lastError;
    const char* contentAfter;  // null: no file
  };
  const Case cases[] = {
      {CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
      {CREATE_NEW, false, true, ERROR_SUCCESS, ""},
      {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
      {CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
      {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
      {OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""},
      {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.disposition) + (c.exists ? " existing" : " missing"));
    std::filesystem::remove(folder_ / "f.txt");
    if (c.exists) folder_.Write("f.txt", "old");
    SetLastError(12345);
    HANDLE file = Open("C:\\f.txt", GENERIC_READ | GENERIC_WRITE, c.disposition);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
    EXPECT_EQ(GetLastError(), c.lastError);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (c.contentAfter) {
      EXPECT_EQ(TempFolder::Read(folder_ / "f.txt"), c.contentAfter);
    } else {
      EXPECT_FALSE(std::filesystem::exists(folder_ / "f.txt"));
    }
  }
}

TEST_F(FilesTest, OpeningFailsWithTheWindowsReason) {
  folder_.Write("Data/Book1.xlsx", "x");
  EXPECT_EQ(Open("C:\\Missing\\Book1.xlsx", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(Open("C:\\Missing\\Book1.xlsx", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(Open("C:\\Data", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

  HANDLE readOnly = Open("C:\\data\\BOOK1.xlsx", GENERIC_READ, OPEN_EXISTING);
  ASSERT_NE(readOnly, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteAll(readOnly, "y"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  DWORD got = 0;
  char byte;
  EXPECT_FALSE(ReadFile(readOnly, &byte, 1, &got, reinterpret_cast<LPOVERLAPPED>(&got)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);  // no asynchronous reads
  CloseHandle(readOnly);

  EXPECT_FALSE(ReadFile(readOnly, &byte, 1, &got, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetFileSize(readOnly, nullptr), INVALID_FILE_SIZE);
  EXPECT_EQ(SetFilePointer(INVALID_HANDLE_VALUE, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
  EXPECT_FALSE(CloseHandle(readOnly));

  // A pipe is no file: refused at once rather than waiting for a writer.
  ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(Open("C:\\pipe", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(CopyFileA("C:\\pipe", "C:\\copy", FALSE));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

  sim::FailOperation("CreateFileA");
  EXPECT_EQ(Open("C:\\Data\\Book1.xlsx", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(FilesTest, AFullDiskIsReported) {
  HANDLE file = Open("C:\\out.bin", GENERIC_WRITE, CREATE_ALWAYS);
  sim::FailOperation("WriteFile");
  EXPECT_FALSE(WriteAll(file, "data"));
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
  CloseHandle(file);
}

TEST_F(FilesTest, AttributesSizeAndModificationTime) {
  std::string book = folder_.Write("Data/Book1.xlsx", std::string(1234, 'b'));
  SetModified(book, 1614834367, 500'000'000);  // 2021-03-04 05:06:07.5 UTC
  folder_.Write("Data/.hidden", "");

  EXPECT_EQ(GetFileAttributesA("C:\\DATA\\book1.xlsx"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(GetFileAttributesA("C:\\Data"), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(GetFileAttributesA("C:\\Data\\.hidden"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(GetFileAttributesA("C:\\Data\\Missing.xlsx"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(GetFileAttributesA("C:\\Missing\\Book1.xlsx"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  ::chmod(book.c_str(), 0444);
  EXPECT_EQ(GetFileAttributesA("C:\\Data\\Book1.xlsx"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);

  EXPECT_TRUE(PathFileExistsA("c:\\data\\book1.xlsx"));
  EXPECT_FALSE(PathFileExistsA("C:\\Data\\Book2.xlsx"));
  EXPECT_TRUE(PathIsDirectoryA("C:\\data"));
  EXPECT_FALSE(PathIsDirectoryA("C:\\Data\\Book1.xlsx"));

  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExA("C:\\Data\\Book1.xlsx", GetFileExInfoStandard, &data));
  EXPECT_EQ(data.nFileSizeLow, 1234u);
  EXPECT_EQ(data.nFileSizeHigh, 0u);
  SYSTEMTIME modified{};
  ASSERT_TRUE(FileTimeToSystemTime(&data.ftLastWriteTime, &modified));
  EXPECT_EQ(modified.wYear, 2021);
  EXPECT_EQ(modified.wMonth, 3);
  EXPECT_EQ(modified.wDay, 4);
  EXPECT_EQ(modified.wHour, 5);
  EXPECT_EQ(modified.wMinute, 6);
  EXPECT_EQ(modified.wSecond, 7);
  EXPECT_EQ(modified.wMilliseconds, 500);
  EXPECT_FALSE(GetFileAttributesExA("C:\\Data\\Missing.xlsx", GetFileExInfoStandard, &data));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(FilesTest, CopyKeepsContentAndModificationTime) {
  std::string source = folder_.Write("Book1.xlsx", "workbook");
  SetModified(source, 1600000000, 0);
  folder_.Write("Existing.xlsx", "keep me");

  ASSERT_TRUE(CopyFileA("C:\\book1.xlsx", "C:\\Copy.xlsx", TRUE));
  EXPECT_EQ(TempFolder::Read(folder_ / "Copy.xlsx"), "workbook");
  EXPECT_EQ(std::filesystem::last_write_time(folder_ / "Copy.xlsx"), std::filesystem::last_write_time(source));

  EXPECT_FALSE(CopyFileA("C:\\Book1.xlsx", "C:\\EXISTING.xlsx", TRUE));
  EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
  EXPECT_EQ(TempFolder::Read(folder_ / "Existing.xlsx"), "keep me");
  ASSERT_TRUE(CopyFileA("C:\\Book1.xlsx", "C:\\Existing.xlsx", FALSE));
  EXPECT_EQ(TempFolder::Read(folder_ / "Existing.xlsx"), "workbook");

  EXPECT_FALSE(CopyFileA("C:\\Missing.xlsx", "C:\\x.xlsx", FALSE));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(CopyFileA("C:\\Book1.xlsx", "C:\\NoFolder\\x.xlsx", FALSE));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.path())) ++entries;
  EXPECT_EQ(entries, 3u);  // no temporary file left from any of it
}

TEST_F(FilesTest, MoveDeleteAndFolders) {
  folder_.Write("a.xlsx", "a");
  folder_.Write("b.xlsx", "b");
  EXPECT_FALSE(MoveFileExA("C:\\a.xlsx", "C:\\B.XLSX", 0));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(TempFolder::Read(folder_ / "b.xlsx"), "b");
  ASSERT_TRUE(MoveFileExA("C:\\a.xlsx", "C:\\b.xlsx", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(TempFolder::Read(folder_ / "b.xlsx"), "a");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "a.xlsx"));
  ASSERT_TRUE(MoveFileExA("C:\\b.xlsx", "C:\\B.xlsx", 0));  // only the letter case changes
  EXPECT_TRUE(std::filesystem::exists(folder_ / "B.xlsx"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "b.xlsx"));

  EXPECT_TRUE(CreateDirectoryA("C:\\Data", nullptr));
  EXPECT_FALSE(CreateDirectoryA("C:\\data", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_FALSE(CreateDirectoryA("C:\\No\\Data", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(DeleteFileA("C:\\Data"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(RemoveDirectoryA("C:\\DATA"));

  EXPECT_TRUE(DeleteFileA("C:\\b.XLSX"));
  EXPECT_FALSE(DeleteFileA("C:\\b.xlsx"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

}  // namespace
