#include "platform/times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

std::uint64_t Ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
FILETIME FileTime(std::uint64_t ticks) { return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)}; }
SYSTEMTIME Date(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0, WORD ms = 0) {
  return SYSTEMTIME{year, month, 0, day, hour, minute, second, ms};
}

TEST(FileTimes, ConvertBothWaysWithTheCalendar) {
  struct Case {
    SYSTEMTIME date;
    std::optional<std::uint64_t> ticks;
    WORD dayOfWeek;
  };
  const Case cases[] = {
      {Date(1601, 1, 1), 0, 1},                                          // a Monday
      {Date(1970, 1, 1), 116'444'736'000'000'000, 4},                    // Thursday
      {Date(2000, 2, 29, 12, 34, 56, 789), 125'963'012'967'890'000, 2},  // a leap day, Tuesday
      {Date(30827, 12, 31, 23, 59, 59, 999), std::nullopt, 5},           // the last day there is, a Friday
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date.wYear);
    FILETIME time{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.date, &time));
    if (c.ticks) {
      EXPECT_EQ(Ticks(time), *c.ticks);
    }
    SYSTEMTIME back{};
    ASSERT_TRUE(FileTimeToSystemTime(&time, &back));
    EXPECT_EQ(back.wYear, c.date.wYear);
    EXPECT_EQ(back.wMonth, c.date.wMonth);
    EXPECT_EQ(back.wDay, c.date.wDay);
    EXPECT_EQ(back.wHour, c.date.wHour);
    EXPECT_EQ(back.wMinute, c.date.wMinute);
    EXPECT_EQ(back.wSecond, c.date.wSecond);
    EXPECT_EQ(back.wMilliseconds, c.date.wMilliseconds);
    EXPECT_EQ(back.wDayOfWeek, c.dayOfWeek);
  }
}

TEST(FileTimes, ImpossibleTimesAreRefused) {
  const SYSTEMTIME impossible[] = {Date(2021, 13, 1),
                                   Date(2021, 2, 29),
                                   Date(2021, 4, 31),
                                   Date(2021, 1, 1, 24),
                                   Date(2021, 1, 1, 0, 60),
                                   Date(2021, 1, 1, 0, 0, 60),
                                   Date(2021, 1, 1, 0, 0, 0, 1000),
                                   Date(1600, 12, 31),
                                   Date(2021, 0, 1)};
  for (const SYSTEMTIME& date : impossible) {
    FILETIME time{};
    SetLastError(0);
    EXPECT_FALSE(SystemTimeToFileTime(&date, &time)) << date.wYear << "-" << date.wMonth << "-" << date.wDay;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }
  FILETIME tooLate = FileTime(0x8000000000000000ull);
  SYSTEMTIME out{};
  EXPECT_FALSE(FileTimeToSystemTime(&tooLate, &out));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

class LocalTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
    // Central European time, spelt out so that no time zone database is needed.
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ::tzset();
  }
  void TearDown() override {
    if (saved_)
      ::setenv("TZ", saved_->c_str(), 1);
    else
      ::unsetenv("TZ");
    ::tzset();
  }
  std::optional<std::string> saved_;
};

TEST_F(LocalTimeTest, TheOffsetIsTheOneInForceAtThatMoment) {
  struct Case {
    SYSTEMTIME utc;
    WORD localHour;
  };
  const Case cases[] = {
      {Date(2021, 1, 15, 12), 13},  // winter: one hour ahead
      {Date(2021, 7, 15, 12), 14},  // summer: two hours ahead
      {Date(2021, 12, 31, 23, 30), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utc.wMonth);
    FILETIME utc{}, local{}, back{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.utc, &utc));
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    SYSTEMTIME shown{};
    ASSERT_TRUE(FileTimeToSystemTime(&local, &shown));
    EXPECT_EQ(shown.wHour, c.localHour);
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(Ticks(back), Ticks(utc));
  }
}

TEST_F(LocalTimeTest, LocalAndSystemClocksDifferByTheOffset) {
  SYSTEMTIME system{}, local{};
  GetSystemTime(&system);
  GetLocalTime(&local);
  FILETIME systemTime{}, localTime{}, expectedLocal{};
  ASSERT_TRUE(SystemTimeToFileTime(&system, &systemTime));
  ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
  ASSERT_TRUE(FileTimeToLocalFileTime(&systemTime, &expectedLocal));
  // Read a moment apart: allow a few seconds.
  double apart = (static_cast<double>(Ticks(localTime)) - static_cast<double>(Ticks(expectedLocal))) / 1e7;
  EXPECT_LT(std::abs(apart), 5.0);
  EXPECT_GE(system.wYear, 2024);
}

TEST(FileTimes, Compare) {
  FILETIME early = FileTime(100), late = FileTime(0x100000000ull);
  EXPECT_EQ(CompareFileTime(&early, &late), -1);
  EXPECT_EQ(CompareFileTime(&late, &early), 1);
  EXPECT_EQ(CompareFileTime(&late, &late), 0);
}

}  // namespace
