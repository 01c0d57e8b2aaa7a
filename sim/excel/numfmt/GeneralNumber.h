// Numbers under the General format.
#pragma once

#include <string>

namespace sim {

// What General shows in a column of standard width: at most eleven characters
// besides the sign, so "12345678901", "1234.56789", "0.000123457" and past them
// scientific notation with up to five decimals ("1.23457E+11", "1.23457E-05").
std::string GeneralNumberText(double value);

}  // namespace sim
