// Numbers kept as text (settings written by other programs): read as a decimal
// number from the longest leading part that forms one.
#pragma once

#include <string_view>

// Leading blanks are skipped; then an optional sign, digits with an optional
// decimal point and an optional exponent. "12.5mm" gives 12.5. Text that does not
// start with a number, and a number too large or too small to hold, give 0.
// Only decimal forms count: "inf", "nan" and hexadecimal numbers give 0.
double DecimalPrefixToDouble(std::string_view text);
