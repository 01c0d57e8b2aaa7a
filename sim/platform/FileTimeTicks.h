// FILETIME as one 64-bit count of 100-nanosecond ticks since 1601-01-01 UTC.
#pragma once

#include <cstdint>
#include <ctime>

#include "platform/times.h"

namespace sim {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kUnixEpochTicks = 116'444'736'000'000'000;  // 1970-01-01

inline std::uint64_t TicksOf(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

inline FILETIME FileTimeOf(std::uint64_t ticks) {
  return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

// Times before 1601 become 1601; times past the year 30000 (a damaged time stamp)
// become the latest time a FILETIME holds.
inline FILETIME FileTimeOf(const timespec& time) {
  constexpr std::int64_t kLatestSeconds = (INT64_MAX - kUnixEpochTicks) / kTicksPerSecond - 1;
  constexpr std::int64_t kEarliestSeconds = -kUnixEpochTicks / kTicksPerSecond;
  std::int64_t seconds = time.tv_sec;
  if (seconds < kEarliestSeconds) return FileTimeOf(std::uint64_t{0});
  if (seconds > kLatestSeconds) return FileTimeOf(static_cast<std::uint64_t>(INT64_MAX));
  return FileTimeOf(static_cast<std::uint64_t>(seconds * kTicksPerSecond + time.tv_nsec / 100 + kUnixEpochTicks));
}

inline FILETIME FileTimeNow() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeOf(now);
}

}  // namespace sim
