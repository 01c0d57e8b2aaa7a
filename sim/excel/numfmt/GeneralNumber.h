// Numbers under the General format.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace sim {

// What General shows in a column of standard width: at most eleven characters
// besides the sign, so "12345678901", "1234.56789", "0.000123457" and past them
// scientific notation with up to five decimals ("1.23457E+11", "1.23457E-05").
std::string GeneralNumberText(double value);

// What General shows in a column that may be narrower: the standard form when `fits`
// takes it; else the number rounded to the most decimals that fit ("1234.568",
// "1235"); else, when not even its integer part fits, scientific notation with the
// most decimals that fit ("1.23E+08", "1E+08"). Below 1, scientific notation wins
// when it shows more digits of the number than the plain form that fits. None when
// no form fits: Excel then fills the cell with '#'.
std::optional<std::string> GeneralNumberTextWithin(double value, const std::function<bool(const std::string&)>& fits);

}  // namespace sim
