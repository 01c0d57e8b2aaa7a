#include "support/OleDateTime.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr long long kSecondsPerDay = 86400;
// 30 December 1899, day 0 of automation dates, counted from 1 January 1970.
constexpr long long kEpochDays = -25569;
// Automation dates of 1 January 100 and of the day after 31 December 9999.
constexpr double kFirstDate = -657434.0;
constexpr double kEndDate = 2958466.0;

struct DateFields {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool FieldsInRange(const DateFields& f) {
  return f.year >= 100 && f.year <= 9999 && f.month >= 1 && f.month <= 12 && f.day >= 1 &&
         f.day <= DaysInMonth(f.year, f.month) && f.hour >= 0 && f.hour <= 23 && f.minute >= 0 && f.minute <= 59 &&
         f.second >= 0 && f.second <= 59;
}

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar, and back.
long long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, DateFields& f) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthIndex = (5 * dayOfYear + 2) / 153;
  f.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  f.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  f.year = static_cast<int>(yearOfEra + era * 400 + (f.month <= 2));
}

// Before day 0 the whole days count backwards while the time of day still counts
// forwards: -1.25 is 29 December 1899, 6 o'clock.
double DateFromFields(const DateFields& f) {
  const double day = static_cast<double>(DaysFromCivil(f.year, f.month, f.day) - kEpochDays);
  const double time = static_cast<double>(f.hour * 3600 + f.minute * 60 + f.second) / kSecondsPerDay;
  return day >= 0 ? day + time : day - time;
}

// To the nearest second.
DateFields FieldsFromDate(double date) {
  const double wholeDays = std::trunc(date);
  long long day = static_cast<long long>(wholeDays);
  long long seconds = std::llround(std::fabs(date - wholeDays) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day;
  }
  DateFields f;
  CivilFromDays(day + kEpochDays, f);
  f.hour = static_cast<int>(seconds / 3600);
  f.minute = static_cast<int>(seconds / 60 % 60);
  f.second = static_cast<int>(seconds % 60);
  return f;
}

// A number of minDigits to maxDigits decimal digits at `at`, which moves past it.
bool ReadDigits(std::string_view text, std::size_t& at, int minDigits, int maxDigits, int& value) {
  int count = 0;
  value = 0;
  while (at < text.size() && count < maxDigits && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + (text[at++] - '0');
    ++count;
  }
  return count >= minDigits;
}

bool ReadChar(std::string_view text, std::size_t& at, char expected) {
  if (at >= text.size() || text[at] != expected) return false;
  ++at;
  return true;
}

}  // namespace

COleDateTime::COleDateTime(double automationDate) : m_dt(automationDate) {
  m_status = std::isfinite(automationDate) && automationDate >= kFirstDate && automationDate < kEndDate ? valid : invalid;
  if (m_status != valid) m_dt = 0;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
  const DateFields f{year, month, day, hour, minute, second};
  m_status = FieldsInRange(f) ? valid : invalid;
  m_dt = m_status == valid ? DateFromFields(f) : 0;
}

COleDateTime::COleDateTime(const SYSTEMTIME& time)
    : COleDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond) {}

COleDateTime::COleDateTime(const FILETIME& time) {
  FILETIME local;
  SYSTEMTIME fields;
  if (FileTimeToLocalFileTime(&time, &local) && FileTimeToSystemTime(&local, &fields)) {
    *this = COleDateTime(fields);
  } else {
    m_status = invalid;
  }
}

COleDateTime COleDateTime::GetCurrentTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return COleDateTime(now);
}

std::string COleDateTime::Format() const {
  if (m_status != valid) return {};
  const DateFields f = FieldsFromDate(m_dt);
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%04d %d:%02d:%02d", f.month, f.day, f.year, f.hour, f.minute, f.second);
  return text;
}

bool COleDateTime::ParseDateTime(std::string_view text) {
  DateFields f;
  std::size_t at = 0;
  const bool parsed = ReadDigits(text, at, 1, 2, f.month) && ReadChar(text, at, '/') &&
                      ReadDigits(text, at, 1, 2, f.day) && ReadChar(text, at, '/') &&
                      ReadDigits(text, at, 4, 4, f.year) && ReadChar(text, at, ' ') &&
                      ReadDigits(text, at, 1, 2, f.hour) && ReadChar(text, at, ':') &&
                      ReadDigits(text, at, 2, 2, f.minute) && ReadChar(text, at, ':') &&
                      ReadDigits(text, at, 2, 2, f.second) && at == text.size();
  if (parsed) {
    *this = COleDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
  } else {
    m_dt = 0;
    m_status = invalid;
  }
  return m_status == valid;
}

bool COleDateTime::operator==(const COleDateTime& other) const {
  return m_status == other.m_status && (m_status != valid || m_dt == other.m_dt);
}
