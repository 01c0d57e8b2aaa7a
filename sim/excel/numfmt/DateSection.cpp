#include "sim/excel/numfmt/DateSection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sim {
namespace {

constexpr std::int64_t kLastSerial1900 = 2958465;  // 31 December 9999
constexpr std::int64_t kDays1900To1904 = 1462;
constexpr std::int64_t kSecondsPerDay = 86400;

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

struct CivilDate {
  int year = 1900, month = 1, day = 0;
  int weekday = 0;  // 0 Sunday
};

// Days since 1 January 1970 to a date of the proleptic Gregorian calendar.
CivilDate FromDaysSince1970(std::int64_t days) {
  days += 719468;
  std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  std::int64_t dayOfEra = days - era * 146097;
  std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  std::int64_t shifted = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  date.month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2));
  return date;
}

// Excel's day numbers of 1900 count 29 February 1900, a day that never was, so the
// days before it are one off, and day 0 is 0 January 1900.
CivilDate DateOfSerial(std::int64_t serial, bool date1904) {
  constexpr std::int64_t k1899Dec30 = -25569;  // days since 1970
  CivilDate date;
  if (date1904) {
    date = FromDaysSince1970(k1899Dec30 + kDays1900To1904 + serial);
    date.weekday = static_cast<int>((serial + 5) % 7);
    return date;
  }
  if (serial == 0) date = CivilDate{1900, 1, 0};
  else if (serial == 60) date = CivilDate{1900, 2, 29};
  else date = FromDaysSince1970(k1899Dec30 + serial + (serial < 60 ? 1 : 0));
  date.weekday = static_cast<int>((serial + 6) % 7);
  return date;
}

std::string Padded(std::int64_t number, int width) {
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  return text;
}

}  // namespace

std::optional<std::string> FormatDateSection(const FormatSection& section, double serial, bool date1904) {
  const std::int64_t lastSerial = date1904 ? kLastSerial1900 - kDays1900To1904 : kLastSerial1900;
  if (!(serial >= 0) || serial >= static_cast<double>(lastSerial + 1)) return std::nullopt;

  // The time is rounded to the smallest unit shown: a second, or a tenth to a
  // thousandth of one.
  int decimals = 0;
  bool twelveHours = false;
  for (const FormatToken& token : section.tokens) {
    if (token.kind == FormatTokenKind::DatePart && token.letter == '.') decimals = std::max(decimals, token.count);
    twelveHours = twelveHours || token.kind == FormatTokenKind::AmPm;
  }
  std::int64_t unitsPerSecond = decimals == 0 ? 1 : decimals == 1 ? 10 : decimals == 2 ? 100 : 1000;
  std::int64_t units = std::llround(serial * static_cast<double>(kSecondsPerDay * unitsPerSecond));
  std::int64_t seconds = units / unitsPerSecond;
  std::int64_t fraction = units % unitsPerSecond;
  std::int64_t days = seconds / kSecondsPerDay;
  if (days > lastSerial) return std::nullopt;
  std::int64_t secondOfDay = seconds % kSecondsPerDay;
  int hour = static_cast<int>(secondOfDay / 3600), minute = static_cast<int>(secondOfDay / 60 % 60),
      second = static_cast<int>(secondOfDay % 60);
  CivilDate date = DateOfSerial(days, date1904);

  std::string text;
  for (const FormatToken& token : section.tokens) {
    if (token.kind == FormatTokenKind::AmPm) {
      bool morning = hour < 12;
      if (token.text == "AM/PM") text += morning ? "AM" : "PM";
      else text += token.text[morning ? 0 : 2];  // "a/p" keeps the letter case written
      continue;
    }
    if (token.kind != FormatTokenKind::DatePart) {
      text += token.text;
      continue;
    }
    const int count = token.count;
    switch (token.letter) {
      case 'y': text += count <= 2 ? Padded(date.year % 100, 2) : Padded(date.year, 4); break;
      case 'm':
        if (count <= 2) text += Padded(date.month, count);
        else if (count == 3) text += std::string(kMonthNames[date.month - 1], 3);
        else if (count == 5) text += kMonthNames[date.month - 1][0];
        else text += kMonthNames[date.month - 1];
        break;
      case 'd':
        if (count <= 2) text += Padded(date.day, count);
        else if (count == 3) text += std::string(kDayNames[date.weekday], 3);
        else text += kDayNames[date.weekday];
        break;
      case 'h': {
        int shown = twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
        text += Padded(shown, std::min(count, 2));
        break;
      }
      case 'n': text += Padded(minute, std::min(count, 2)); break;
      case 's': text += Padded(second, std::min(count, 2)); break;
      case 'H': text += Padded(seconds / 3600, count); break;
      case 'N': text += Padded(seconds / 60, count); break;
      case 'S': text += Padded(seconds, count); break;
      case '.': text += "." + Padded(fraction, decimals).substr(0, static_cast<std::size_t>(count)); break;
    }
  }
  return text;
}

}  // namespace sim
