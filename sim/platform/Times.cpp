#include "platform/times.h"

#include <chrono>
#include <ctime>

#include "sim/platform/FileTimeTicks.h"

namespace sim {
namespace {

using namespace std::chrono;

constexpr std::int64_t kTicksPerDay = 86'400 * kTicksPerSecond;
constexpr std::uint64_t kLatestTicks = 0x7FFFFFFFFFFFFFFF;  // FILETIME values above are invalid
const sys_days kFileTimeEpoch = sys_days{year{1601} / January / 1};

bool FailInvalid() {
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

SYSTEMTIME SystemTimeOf(std::uint64_t ticks) {
  sys_days day = kFileTimeEpoch + days{static_cast<std::int64_t>(ticks / kTicksPerDay)};
  year_month_day date{day};
  std::uint64_t rest = ticks % kTicksPerDay;
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(static_cast<int>(date.year()));
  st.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  st.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  st.wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
  st.wHour = static_cast<WORD>(rest / (3600 * kTicksPerSecond));
  st.wMinute = static_cast<WORD>(rest / (60 * kTicksPerSecond) % 60);
  st.wSecond = static_cast<WORD>(rest / kTicksPerSecond % 60);
  st.wMilliseconds = static_cast<WORD>(rest / 10'000 % 1000);
  return st;
}

// Seconds east of UTC of the local time zone at the given moment.
std::int64_t LocalOffsetSeconds(std::int64_t unixSeconds) {
  std::time_t t = static_cast<std::time_t>(unixSeconds);
  std::tm local{};
  if (!::localtime_r(&t, &local)) return 0;
  return local.tm_gmtoff;
}

// Splits ticks into whole Unix seconds (rounded down) and the ticks left over.
std::int64_t UnixSecondsOf(std::uint64_t ticks, std::int64_t& remainder) {
  std::int64_t sinceUnix = static_cast<std::int64_t>(ticks) - kUnixEpochTicks;
  std::int64_t seconds = sinceUnix / kTicksPerSecond;
  remainder = sinceUnix % kTicksPerSecond;
  if (remainder < 0) {
    --seconds;
    remainder += kTicksPerSecond;
  }
  return seconds;
}

bool ShiftTicks(std::uint64_t ticks, std::int64_t offsetSeconds, FILETIME* out) {
  std::int64_t shifted = static_cast<std::int64_t>(ticks) + offsetSeconds * kTicksPerSecond;
  if (shifted < 0 || static_cast<std::uint64_t>(shifted) > kLatestTicks) return FailInvalid();
  *out = FileTimeOf(static_cast<std::uint64_t>(shifted));
  return true;
}

}  // namespace
}  // namespace sim

void GetSystemTimeAsFileTime(LPFILETIME lpSystemTimeAsFileTime) {
  if (lpSystemTimeAsFileTime) *lpSystemTimeAsFileTime = sim::FileTimeNow();
}

void GetSystemTime(LPSYSTEMTIME lpSystemTime) {
  if (lpSystemTime) *lpSystemTime = sim::SystemTimeOf(sim::TicksOf(sim::FileTimeNow()));
}

void GetLocalTime(LPSYSTEMTIME lpSystemTime) {
  FILETIME utc = sim::FileTimeNow();
  FILETIME local{};
  if (lpSystemTime && FileTimeToLocalFileTime(&utc, &local)) *lpSystemTime = sim::SystemTimeOf(sim::TicksOf(local));
}

BOOL FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime) {
  if (!lpFileTime || !lpSystemTime || sim::TicksOf(*lpFileTime) > sim::kLatestTicks) return sim::FailInvalid();
  *lpSystemTime = sim::SystemTimeOf(sim::TicksOf(*lpFileTime));
  return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime) {
  using namespace std::chrono;
  if (!lpSystemTime || !lpFileTime) return sim::FailInvalid();
  const SYSTEMTIME& st = *lpSystemTime;
  year_month_day date{year{st.wYear}, month{st.wMonth}, day{st.wDay}};
  if (st.wYear < 1601 || st.wYear > 30827 || !date.ok() || st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59 ||
      st.wMilliseconds > 999)
    return sim::FailInvalid();
  std::int64_t dayCount = (sys_days{date} - sim::kFileTimeEpoch).count();
  std::int64_t seconds = dayCount * 86'400 + st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
  *lpFileTime = sim::FileTimeOf(
      static_cast<std::uint64_t>(seconds * sim::kTicksPerSecond + std::int64_t{st.wMilliseconds} * 10'000));
  return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* lpFileTime, LPFILETIME lpLocalFileTime) {
  if (!lpFileTime || !lpLocalFileTime || sim::TicksOf(*lpFileTime) > sim::kLatestTicks) return sim::FailInvalid();
  std::uint64_t ticks = sim::TicksOf(*lpFileTime);
  std::int64_t remainder = 0;
  std::int64_t offset = sim::LocalOffsetSeconds(sim::UnixSecondsOf(ticks, remainder));
  return sim::ShiftTicks(ticks, offset, lpLocalFileTime);
}

BOOL LocalFileTimeToFileTime(const FILETIME* lpLocalFileTime, LPFILETIME lpFileTime) {
  if (!lpLocalFileTime || !lpFileTime || sim::TicksOf(*lpLocalFileTime) > sim::kLatestTicks) return sim::FailInvalid();
  std::uint64_t ticks = sim::TicksOf(*lpLocalFileTime);
  std::int64_t remainder = 0;
  std::int64_t localSeconds = sim::UnixSecondsOf(ticks, remainder);
  // The offset depends on the UTC moment we are looking for: guess it from the local
  // reading, then correct once with the offset in force at the guess.
  std::int64_t offset = sim::LocalOffsetSeconds(localSeconds);
  offset = sim::LocalOffsetSeconds(localSeconds - offset);
  return sim::ShiftTicks(ticks, -offset, lpFileTime);
}

LONG CompareFileTime(const FILETIME* lpFileTime1, const FILETIME* lpFileTime2) {
  std::uint64_t a = sim::TicksOf(*lpFileTime1);
  std::uint64_t b = sim::TicksOf(*lpFileTime2);
  return a < b ? -1 : a > b ? 1 : 0;
}
