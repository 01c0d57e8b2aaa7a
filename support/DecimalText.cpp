#include "support/DecimalText.h"

#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

double DecimalPrefixToDouble(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

  const std::size_t start = at;
  at = SkipDigits(text, at);
  std::size_t digits = at - start;
  if (at < text.size() && text[at] == '.') {
    std::size_t afterPoint = SkipDigits(text, at + 1);
    digits += afterPoint - (at + 1);
    at = afterPoint;
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when digits follow it: "1e" and "1e+" are the number 1.
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    std::size_t end = SkipDigits(text, exponent);
    if (end > exponent) at = end;
  }

  double value = 0.0;
  auto [end, error] = std::from_chars(text.data() + start, text.data() + at, value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + at || !std::isfinite(value)) return 0.0;
  return negative ? -value : value;
}
