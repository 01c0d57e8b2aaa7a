// A date and time as automation keeps it: days since 30 December 1899, with the time
// of day as the fraction, and a status saying whether it holds a date at all.
//
// Its text form is one fixed form, written and read the same on every machine so that
// a time stored on a table reads back as the same time:
//     M/D/YYYY H:MM:SS        for example "12/10/2026 14:03:27", "1/5/2026 9:03:07"
// (the United States short date and a 24-hour long time). Month, day and hour take
// one or two digits, the year four, minutes and seconds two; nothing else may stand
// before, between or after. Text in any other form does not parse.
#pragma once

#include <string>
#include <string_view>

#include "platform/times.h"

class COleDateTime {
 public:
  enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

  // No time known: null.
  COleDateTime() = default;
  // An automation date; invalid outside the years 100 to 9999.
  explicit COleDateTime(double automationDate);
  // Whole seconds; invalid when a field is out of range (31 April, 24 o'clock...).
  COleDateTime(int year, int month, int day, int hour, int minute, int second);
  // Milliseconds are dropped, as automation dates hold whole seconds.
  explicit COleDateTime(const SYSTEMTIME& time);
  // A file time (UTC) as the local time it stands for.
  explicit COleDateTime(const FILETIME& time);

  // The local date and time now.
  static COleDateTime GetCurrentTime();

  DateTimeStatus GetStatus() const { return m_status; }

  // The fixed text form; "" unless valid.
  std::string Format() const;
  // Reads the fixed text form. Valid when it parses, else invalid (the date is then 0).
  bool ParseDateTime(std::string_view text);

  // Equal when both are valid with the same date, or both have the same other status.
  bool operator==(const COleDateTime& other) const;

  double m_dt = 0;
  DateTimeStatus m_status = null;
};
