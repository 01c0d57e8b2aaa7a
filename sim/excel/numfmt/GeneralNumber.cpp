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

// The decimals General shows of a number with that many integer digits (≤ 0 below
// 1): as many as fit beside them and the point in eleven characters; below 1, "0."
// leaves nine.
int PlainDecimals(int integerDigits) { return integerDigits > 0 ? std::max(0, kWidth - 1 - integerDigits) : kWidth - 2; }

// The plain form with that many decimals at most; none when its integer part is
// longer than General ever shows.
std::optional<std::string> Plain(const DecimalNumber& number, int decimals) {
  FixedDigits fixed = RoundToFixed(number, decimals);
  if (static_cast<int>(fixed.integer.size()) > kWidth) return std::nullopt;
  return WithoutTrailingZeros(fixed);
}

std::string Scientific(const DecimalNumber& number, int decimals) {
  int exponent = number.exponent - 1;
  FixedDigits mantissa = RoundToFixed(number.Shifted(-exponent), decimals);
  if (mantissa.integer.size() > 1) {  // 9.999995 rounds to 10
    ++exponent;
    mantissa = RoundToFixed(number.Shifted(-exponent), decimals);
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
  if (integerDigits > kWidth) return sign + Scientific(number, kScientificDecimals);
  if (integerDigits > 0) {
    std::optional<std::string> plain = Plain(number, PlainDecimals(integerDigits));
    return sign + (plain ? *plain : Scientific(number, kScientificDecimals));
  }
  // Scientific notation wins only when it shows more of the number.
  std::string plain = *Plain(number, PlainDecimals(integerDigits));
  std::string scientific = Scientific(number, kScientificDecimals);
  return sign + (SignificantDigits(scientific) > SignificantDigits(plain) ? scientific : plain);
}

std::optional<std::string> GeneralNumberTextWithin(double value, const std::function<bool(const std::string&)>& fits) {
  std::string standard = GeneralNumberText(value);
  if (fits(standard)) return standard;
  DecimalNumber number = ToDecimal(value);
  if (number.IsZero()) return std::nullopt;
  const std::string sign = value < 0 ? "-" : "";
  // Each form with fewer decimals until one fits.
  std::optional<std::string> plain;
  if (number.exponent <= kWidth)
    for (int decimals = PlainDecimals(number.exponent); decimals >= 0 && !plain; --decimals) {
      std::optional<std::string> text = Plain(number, decimals);
      if (!text) break;
      if (fits(sign + *text)) plain = sign + *text;
    }
  if (plain && number.exponent > 0) return plain;
  std::optional<std::string> scientific;
  for (int decimals = kScientificDecimals; decimals >= 0 && !scientific; --decimals)
    if (std::string text = sign + Scientific(number, decimals); fits(text)) scientific = text;
  if (!plain || !scientific) return plain ? plain : scientific;
  return SignificantDigits(*scientific) > SignificantDigits(*plain) ? scientific : plain;
}

}  // namespace sim
