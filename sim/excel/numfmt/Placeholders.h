// Digits placed into the digit placeholders of a format: '0' shows a digit or a zero,
// '?' a digit or a space, '#' a digit or nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/excel/numfmt/FormatSections.h"

namespace sim {

// What each placeholder of an integer part shows of the digits (no leading zeros;
// empty for 0), right-aligned; the first placeholder also takes the digits the
// others have no room for. With grouping, every third place from the right is
// followed by a separator: "," after a digit or zero, a space after a blank '?'.
std::vector<std::string> PlaceInteger(std::string_view placeholders, std::string_view digits, bool grouping);

// What each placeholder of a decimal part shows of as many digits, left-aligned:
// trailing zeros vanish under '#' and turn into spaces under '?'.
std::vector<std::string> PlaceDecimals(std::string_view placeholders, std::string_view digits);

// The placeholder letters of the Digit tokens in [first, last).
std::string PlaceholdersIn(const std::vector<FormatToken>& tokens, std::size_t first, std::size_t last);

}  // namespace sim
