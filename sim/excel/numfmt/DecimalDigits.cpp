#include "sim/excel/numfmt/DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sim {

DecimalNumber DecimalNumber::Shifted(int power) const {
  DecimalNumber shifted = *this;
  if (!IsZero()) shifted.exponent += power;
  return shifted;
}

namespace {

// "d.ddddddddddddddde±x"
void FifteenDigits(double value, char (&text)[32]) { std::snprintf(text, sizeof text, "%.14e", value); }

}  // namespace

double ToShownPrecision(double value) {
  if (!std::isfinite(value)) return value;
  char text[32];
  FifteenDigits(value, text);
  return std::strtod(text, nullptr);
}

DecimalNumber ToDecimal(double value) {
  DecimalNumber number;
  if (value == 0 || !std::isfinite(value)) return number;
  char text[32];
  FifteenDigits(std::fabs(value), text);
  const char* e = text + 16;
  for (const char* c = text; c < e; ++c)
    if (*c != '.') number.digits.push_back(*c);
  number.exponent = std::atoi(e + 1) + 1;
  while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
  return number;
}

FixedDigits RoundToFixed(const DecimalNumber& number, int decimals) {
  // The whole number of units of the last decimal, as digits.
  std::string units;
  if (!number.IsZero()) {
    int kept = number.exponent + decimals;
    if (kept >= 0) {
      units = number.digits.substr(0, static_cast<std::size_t>(kept));
      if (static_cast<int>(units.size()) < kept) units.append(static_cast<std::size_t>(kept) - units.size(), '0');
      if (static_cast<std::size_t>(kept) < number.digits.size() && number.digits[kept] >= '5') {
        std::size_t i = units.size();
        while (i > 0 && units[i - 1] == '9') units[--i] = '0';
        if (i == 0) units.insert(units.begin(), '1');
        else ++units[i - 1];
      }
      std::size_t leading = units.find_first_not_of('0');
      units.erase(0, leading == std::string::npos ? units.size() : leading);
    }
  }
  FixedDigits fixed;
  std::size_t count = static_cast<std::size_t>(decimals);
  if (units.size() > count) {
    fixed.integer = units.substr(0, units.size() - count);
    fixed.fraction = units.substr(units.size() - count);
  } else {
    fixed.fraction = std::string(count - units.size(), '0') + units;
  }
  return fixed;
}

}  // namespace sim
