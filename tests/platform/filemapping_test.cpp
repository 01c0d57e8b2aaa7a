#include "platform/filemapping.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sim/SimFailures.h"
#include "sim/platform/SimPlatform.h"

namespace {

constexpr const char* kName = "44B6A251-3F73-4f4b-8A23-F17A5E2A3C5D";

class FileMappingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    sim::ClearFailures();
  }
  void TearDown() override {
    sim::ClearFailures();
    sim::ResetPlatform();
  }
  static HANDLE Create(DWORD size, const char* name = kName) {
    return CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
  }
};

TEST_F(FileMappingTest, BytesWrittenThroughOneHandleAreReadThroughAnother) {
  HANDLE writer = Create(4096);
  ASSERT_NE(writer, nullptr);
  auto* written = static_cast<char*>(MapViewOfFile(writer, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  ASSERT_NE(written, nullptr);
  EXPECT_EQ(written[0], 0);  // fresh memory reads as zeros
  EXPECT_EQ(written[4095], 0);
  std::memcpy(written, "levels and colours", 19);

  HANDLE reader = OpenFileMappingA(FILE_MAP_READ, FALSE, kName);
  ASSERT_NE(reader, nullptr);
  auto* read = static_cast<const char*>(MapViewOfFile(reader, FILE_MAP_READ, 0, 0, 4096));
  ASSERT_NE(read, nullptr);
  EXPECT_NE(read, written);  // each view is its own mapping of the same bytes
  EXPECT_STREQ(read, "levels and colours");
  written[0] = 'L';
  EXPECT_EQ(read[0], 'L');

  EXPECT_EQ(sim::MappedViewCount(), 2u);
  EXPECT_TRUE(UnmapViewOfFile(read));
  EXPECT_TRUE(UnmapViewOfFile(written));
  EXPECT_TRUE(CloseHandle(reader));
  EXPECT_TRUE(CloseHandle(writer));
  EXPECT_EQ(sim::MappedViewCount(), 0u);
  EXPECT_EQ(sim::OpenHandleCount(), 0u);
}

TEST_F(FileMappingTest, CreatingAnExistingNameGivesTheSameSection) {
  HANDLE first = Create(4096);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  auto* firstView = static_cast<char*>(MapViewOfFile(first, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  firstView[100] = 42;

  HANDLE second = Create(1 << 20);  // the size asked for does not matter now
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_NE(second, first);
  auto* secondView = static_cast<char*>(MapViewOfFile(second, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  EXPECT_EQ(secondView[100], 42);
  EXPECT_EQ(MapViewOfFile(second, FILE_MAP_READ, 0, 0, 8192), nullptr);  // still 4096 bytes
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

  SetLastError(ERROR_ALREADY_EXISTS);
  HANDLE other = Create(4096, "another");
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);  // a new section clears what was left
  EXPECT_EQ(OpenFileMappingA(FILE_MAP_READ, FALSE, "44b6a251-3f73-4f4b-8a23-f17a5e2a3c5d"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);  // object names keep their case
  UnmapViewOfFile(firstView);
  UnmapViewOfFile(secondView);
  for (HANDLE handle : {first, second, other}) CloseHandle(handle);
}

TEST_F(FileMappingTest, TheSectionLivesWhileAHandleOrViewRemains) {
  HANDLE handle = Create(4096);
  auto* view = static_cast<char*>(MapViewOfFile(handle, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  view[0] = 'x';
  ASSERT_TRUE(CloseHandle(handle));

  HANDLE again = OpenFileMappingA(FILE_MAP_READ, FALSE, kName);  // the view kept it
  ASSERT_NE(again, nullptr);
  ASSERT_TRUE(UnmapViewOfFile(view));
  auto* reread = static_cast<const char*>(MapViewOfFile(again, FILE_MAP_READ, 0, 0, 0));
  EXPECT_EQ(reread[0], 'x');
  UnmapViewOfFile(reread);
  ASSERT_TRUE(CloseHandle(again));

  EXPECT_EQ(OpenFileMappingA(FILE_MAP_READ, FALSE, kName), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  HANDLE fresh = Create(4096);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  auto* freshView = static_cast<const char*>(MapViewOfFile(fresh, FILE_MAP_READ, 0, 0, 0));
  EXPECT_EQ(freshView[0], 0);
  UnmapViewOfFile(freshView);
  CloseHandle(fresh);
}

TEST_F(FileMappingTest, BadRequestsAreRefusedWithTheirReason) {
  EXPECT_EQ(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 1, 0, "huge"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(Create(256 * 1024 * 1024 + 1, "justTooBig"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(Create(0, "empty"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(OpenFileMappingA(FILE_MAP_READ, FALSE, "huge"), nullptr);  // nothing was left behind

  HANDLE handle = Create(256 * 1024);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(MapViewOfFile(handle, FILE_MAP_READ, 0, 4096, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MAPPED_ALIGNMENT);
  EXPECT_EQ(MapViewOfFile(handle, FILE_MAP_READ, 0, 256 * 1024, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  void* tail = MapViewOfFile(handle, FILE_MAP_READ, 0, 64 * 1024, 0);  // an aligned offset inside
  EXPECT_NE(tail, nullptr);
  UnmapViewOfFile(tail);

  int local = 0;
  EXPECT_FALSE(UnmapViewOfFile(&local));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_ADDRESS);
  ASSERT_TRUE(CloseHandle(handle));
  EXPECT_FALSE(CloseHandle(handle));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(MapViewOfFile(handle, FILE_MAP_READ, 0, 0, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));

  sim::FailOperation("CreateFileMappingA");
  EXPECT_EQ(Create(4096), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
}

TEST_F(FileMappingTest, AReadOnlyViewCannotBeWritten) {
  HANDLE owner = Create(4096);
  HANDLE reader = OpenFileMappingA(FILE_MAP_READ, FALSE, kName);
  EXPECT_EQ(MapViewOfFile(reader, FILE_MAP_WRITE, 0, 0, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  auto* view = static_cast<volatile char*>(MapViewOfFile(reader, FILE_MAP_READ, 0, 0, 0));
  ASSERT_NE(view, nullptr);
  EXPECT_DEATH(view[0] = 1, "");
  UnmapViewOfFile(const_cast<char*>(view));
  CloseHandle(reader);
  CloseHandle(owner);
}

}  // namespace
