// Absolute A1 addresses such as $B$3 or $AB$12.
#pragma once

#include <string_view>

// Row and column (A = 1, AA = 27) of an address of one or two upper-case column
// letters; false for anything else, three-letter columns included.
bool ParseAbsoluteAddress(std::string_view address, int* row, int* column);
