#include "sim/excel/numfmt/GeneralNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sim/excel/numfmt/DecimalDigits.h"

namespace sim {
namespace {

constexpr int kWidth = 11;
constexpr int kScientificDecimals = 5;

std::string WithoutTrailingZeros(const FixedDigits& fixed) {
  std::string text = fixed.integer.empty() ? "0" : fixed.integer;
  std::size_t last = fixed.fraction.find_last_not_of('0');
  if (last != std::string::npos) text += "." + fixed.fraction.substr(0, last + 1);
  return text;
}

std::size_t SignificantDigits(const std::string& text) {
  std::size_t first = text.find_first_of("123456789");
  if (first == std::string::npos) return 0;
  std::size_t count = 0;
  for (std::size_t i = first; i < text.size() && text[i] != 'E'; ++i) count += text[i] != '.';
  return count;
}

std::string Scientific(const DecimalNumber& number) {
  int exponent = number.exponent - 1;
  FixedDigits mantissa = RoundToFixed(number.Shifted(-exponent), kScientificDecimals);
  if (mantissa.integer.size() > 1) {  // 9.999995 rounds to 10
    ++exponent;
    mantissa = RoundToFixed(number.Shifted(-exponent), kScientificDecimals);
  }
  std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < 2) digits.insert(digits.begin(), '0');
  return WithoutTrailingZeros(mantissa) + (exponent < 0 ? "E-" : "E+") + digits;
}

}  // namespace

std::string GeneralNumberText(double value) {
  DecimalNumber number = ToDecimal(value);
  if (number.IsZero()) return "0";
  std::string sign = value < 0 ? "-" : "";
  int integerDigits = number.exponent;
  if (integerDigits > kWidth) return sign + Scientific(number);
  if (integerDigits > 0) {
    // As many decimals as fit beside the integer digits and the point.
    FixedDigits fixed = RoundToFixed(number, std::max(0, kWidth - 1 - integerDigits));
    if (static_cast<int>(fixed.integer.size()) > kWidth) return sign + Scientific(number);
    return sign + WithoutTrailingZeros(fixed);
  }
  // Below 1, "0." leaves nine decimals; scientific notation wins only when it shows
  // more of the number.
  std::string fixed = WithoutTrailingZeros(RoundToFixed(number, kWidth - 2));
  std::string scientific = Scientific(number);
  return sign + (SignificantDigits(scientific) > SignificantDigits(fixed) ? scientific : fixed);
}

}  // namespace sim
