// Numbers as the decimal digits Excel shows: fifteen significant digits, rounded
// half away from zero, so that 12.344999999999999 shows as 12.345.
#pragma once

#include <string>

namespace sim {

// More digits before the point than any number shows; a format that would need more
// (a huge value scaled by many percent signs) is not shown.
constexpr int kMaxIntegerDigits = 400;

// A number ≥ 0: value = 0.digits × 10^exponent.
struct DecimalNumber {
  std::string digits;  // significant digits, without leading or trailing zeros; empty for 0
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // Multiplies by 10^power.
  DecimalNumber Shifted(int power) const;
};

// The magnitude of a finite number, to fifteen significant digits.
DecimalNumber ToDecimal(double value);
// The number itself to fifteen significant digits, for arithmetic on what is shown.
double ToShownPrecision(double value);

// A number rounded to a count of decimals: its integer digits (no leading zeros,
// empty for 0) and exactly `decimals` fraction digits. The caller keeps the
// exponent within kMaxIntegerDigits.
struct FixedDigits {
  std::string integer;
  std::string fraction;
};
FixedDigits RoundToFixed(const DecimalNumber& number, int decimals);

}  // namespace sim
