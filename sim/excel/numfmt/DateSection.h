// Dates and times: serial numbers of days since 1900 (with Excel's 29 February 1900)
// or 1904, shown in English (United States).
#pragma once

#include <optional>
#include <string>

#include "sim/excel/numfmt/FormatSections.h"

namespace sim {

// The text of a serial date under a date section; none for a value outside the
// dates Excel shows (negative, or past 31 December 9999).
std::optional<std::string> FormatDateSection(const FormatSection& section, double serial, bool date1904);

}  // namespace sim
