#include "sim/excel/numfmt/NumberSection.h"

#include <cstdlib>

#include "sim/excel/numfmt/DecimalDigits.h"
#include "sim/excel/numfmt/FractionSection.h"
#include "sim/excel/numfmt/GeneralNumber.h"
#include "sim/excel/numfmt/Placeholders.h"

namespace sim {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Where the parts of a section lie: placeholders before the point are the integer
// part, after it the decimals, after the exponent the exponent's digits.
struct NumberLayout {
  std::size_t point = kNone;
  std::size_t exponent = kNone;
  std::size_t firstDigit = kNone;
  std::string integer, decimals, exponentDigits;  // placeholder letters
  bool grouping = false;
  int scalingCommas = 0;
  int percents = 0;
  std::vector<bool> literalComma;  // by token: a comma shown as written
};

NumberLayout LayoutOf(const std::vector<FormatToken>& tokens) {
  NumberLayout layout;
  layout.literalComma.assign(tokens.size(), false);
  // The exponent is the first "E+" with placeholders after it; any other is text.
  for (std::size_t i = tokens.size(), lastDigit = kNone; i-- > 0;) {
    if (tokens[i].kind == FormatTokenKind::Digit) lastDigit = i;
    if (tokens[i].kind == FormatTokenKind::Exponent && lastDigit != kNone) layout.exponent = i;
  }
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const FormatToken& token = tokens[i];
    if (token.kind == FormatTokenKind::Point && layout.point == kNone && i < layout.exponent) layout.point = i;
    if (token.kind == FormatTokenKind::Percent) ++layout.percents;
    if (token.kind == FormatTokenKind::Digit && layout.firstDigit == kNone) layout.firstDigit = i;
    if (token.kind != FormatTokenKind::Digit) continue;
    if (i > layout.exponent && layout.exponent != kNone) layout.exponentDigits += token.letter;
    else if (layout.point != kNone) layout.decimals += token.letter;
    else layout.integer += token.letter;
  }
  std::size_t mantissaEnd = layout.exponent == kNone ? tokens.size() : layout.exponent;
  for (std::size_t i = 0; i < mantissaEnd; ++i) {
    if (tokens[i].kind != FormatTokenKind::Comma) continue;
    if (layout.firstDigit == kNone || i < layout.firstDigit) {
      layout.literalComma[i] = true;  // ",0" shows the comma
      continue;
    }
    std::size_t next = i;
    while (next < mantissaEnd && tokens[next].kind == FormatTokenKind::Comma) ++next;
    bool digitFollows = next < mantissaEnd && tokens[next].kind == FormatTokenKind::Digit;
    if (digitFollows && (layout.point == kNone || next < layout.point)) layout.grouping = true;
    else if (!digitFollows) ++layout.scalingCommas;  // "#,##0," counts in thousands
  }
  return layout;
}

// The tokens shown with the texts of their placeholders, in order.
std::string Compose(const std::vector<FormatToken>& tokens, const NumberLayout& layout,
                    const std::vector<std::string>& integer, const std::string& overflow,
                    const std::vector<std::string>& decimals, const std::string& exponentSign,
                    const std::vector<std::string>& exponentDigits) {
  std::string text;
  std::size_t integerIndex = 0, decimalIndex = 0, exponentIndex = 0;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const FormatToken& token = tokens[i];
    switch (token.kind) {
      case FormatTokenKind::Digit:
        if (layout.exponent != kNone && i > layout.exponent) text += exponentDigits[exponentIndex++];
        else if (layout.point != kNone && i > layout.point) text += decimals[decimalIndex++];
        else text += integer[integerIndex++];
        break;
      case FormatTokenKind::Point:
        if (i == layout.point) text += overflow;  // ".00" still shows the integer digits
        text += '.';
        break;
      case FormatTokenKind::Comma:
        if (layout.literalComma[i]) text += ',';
        break;
      case FormatTokenKind::Exponent:
        if (i == layout.exponent) text += token.text + exponentSign;
        else text += PlainText(token);
        break;
      default:
        text += PlainText(token);
    }
  }
  return text;
}

std::string Scientific(const std::vector<FormatToken>& tokens, const NumberLayout& layout,
                       const DecimalNumber& number) {
  const int integerPlaces = static_cast<int>(layout.integer.size());
  const int decimals = static_cast<int>(layout.decimals.size());
  // Several integer places keep the exponent a multiple of their count, whatever the
  // placeholders: "##0.0E+0" shows 12.3E+3, "0000.0000E+0" shows 0012.3457E+4.
  const bool engineering = integerPlaces > 1;
  const int step = engineering ? integerPlaces : 1;
  int exponent = 0;
  FixedDigits mantissa = RoundToFixed(number, decimals);
  if (!number.IsZero()) {
    int magnitude = number.exponent - 1;  // value = d.ddd × 10^magnitude
    if (engineering) exponent = (magnitude >= 0 ? magnitude : magnitude - step + 1) / step * step;
    else exponent = magnitude - integerPlaces + 1;
    mantissa = RoundToFixed(number.Shifted(-exponent), decimals);
    if (static_cast<int>(mantissa.integer.size()) > (engineering ? step : integerPlaces)) {
      exponent += step;  // rounding carried into one more digit
      mantissa = RoundToFixed(number.Shifted(-exponent), decimals);
    }
  }
  bool minusOnly = tokens[layout.exponent].letter == '-';
  std::string sign = exponent < 0 ? "-" : minusOnly ? "" : "+";
  std::string exponentDigits = exponent == 0 ? "" : std::to_string(std::abs(exponent));
  return Compose(tokens, layout, PlaceInteger(layout.integer, mantissa.integer, layout.grouping), "",
                 PlaceDecimals(layout.decimals, mantissa.fraction), sign,
                 PlaceInteger(layout.exponentDigits, exponentDigits, false));
}

std::string Fixed(const std::vector<FormatToken>& tokens, const NumberLayout& layout, const DecimalNumber& number) {
  FixedDigits fixed = RoundToFixed(number, static_cast<int>(layout.decimals.size()));
  // Without integer placeholders the integer digits go before the point.
  std::string overflow = layout.integer.empty() ? fixed.integer : "";
  return Compose(tokens, layout, PlaceInteger(layout.integer, fixed.integer, layout.grouping), overflow,
                 PlaceDecimals(layout.decimals, fixed.fraction), "", {});
}

}  // namespace

std::optional<std::string> FormatNumberSection(const FormatSection& section, double value) {
  const std::vector<FormatToken>& tokens = section.tokens;
  bool hasGeneral = false;
  for (const FormatToken& token : tokens) hasGeneral = hasGeneral || token.kind == FormatTokenKind::General;
  if (hasGeneral) {
    std::string text;
    for (const FormatToken& token : tokens)
      text += token.kind == FormatTokenKind::General ? GeneralNumberText(value) : PlainText(token);
    return text;
  }
  NumberLayout layout = LayoutOf(tokens);
  DecimalNumber number = ToDecimal(value).Shifted(2 * layout.percents - 3 * layout.scalingCommas);
  if (number.exponent > kMaxIntegerDigits) return std::nullopt;
  if (layout.exponent != kNone) return Scientific(tokens, layout, number);
  if (layout.point == kNone) {
    // Percent signs scale the value a fraction shows too.
    double scaled = value;
    for (int i = 0; i < layout.percents && scaled < 1e300; ++i) scaled *= 100;
    if (auto fraction = FormatFraction(tokens, scaled)) return fraction;
  }
  return Fixed(tokens, layout, number);
}

}  // namespace sim
