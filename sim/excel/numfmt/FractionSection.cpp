#include "sim/excel/numfmt/FractionSection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "sim/excel/numfmt/DecimalDigits.h"
#include "sim/excel/numfmt/NumberFormat.h"
#include "sim/excel/numfmt/Placeholders.h"

namespace sim {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr int kMaxDenominatorDigits = 7;
// From here on a value has no fraction left at fifteen digits.
constexpr double kWholeNumbersFrom = 1e15;

// The parts of "|#\:? ?0#/000|": its prefix "|", integer "#\:?", separator " ",
// numerator "?0#", slash, denominator "000" and suffix "|". Ranges are [first, last).
struct FractionLayout {
  std::size_t integerFirst = kNone, integerLast = kNone;
  std::size_t numeratorFirst = 0, numeratorLast = 0;
  std::size_t denominatorFirst = 0, denominatorLast = 0;
  std::int64_t fixedDenominator = 0;  // "?/16"; 0 when the denominator has placeholders
  std::string integer, numerator, denominator;  // placeholder letters

  bool HasInteger() const { return integerFirst != kNone; }
};

bool IsDigitLiteral(const FormatToken& token) {
  return token.kind == FormatTokenKind::Literal && token.text.size() == 1 && token.text[0] >= '0' &&
         token.text[0] <= '9';
}

std::optional<FractionLayout> LayoutOf(const std::vector<FormatToken>& tokens) {
  FractionLayout layout;
  std::size_t slash = kNone, lastDigit = kNone;
  for (std::size_t i = 0; i < tokens.size() && slash == kNone; ++i) {
    if (tokens[i].kind == FormatTokenKind::Digit) lastDigit = i;
    if (tokens[i].kind == FormatTokenKind::Slash && lastDigit != kNone) slash = i;
  }
  if (slash == kNone) return std::nullopt;
  layout.numeratorLast = lastDigit + 1;
  layout.numeratorFirst = lastDigit;
  while (layout.numeratorFirst > 0 && tokens[layout.numeratorFirst - 1].kind == FormatTokenKind::Digit)
    --layout.numeratorFirst;
  for (std::size_t i = 0; i < layout.numeratorFirst; ++i)
    if (tokens[i].kind == FormatTokenKind::Digit) {
      if (layout.integerFirst == kNone) layout.integerFirst = i;
      layout.integerLast = i + 1;
    }
  // The denominator: the first placeholders or written digits after the slash.
  std::size_t i = slash + 1;
  while (i < tokens.size() && tokens[i].kind == FormatTokenKind::Literal && !IsDigitLiteral(tokens[i])) ++i;
  if (i == tokens.size()) return std::nullopt;
  layout.denominatorFirst = i;
  if (tokens[i].kind == FormatTokenKind::Digit) {
    while (i < tokens.size() && tokens[i].kind == FormatTokenKind::Digit) ++i;
  } else if (IsDigitLiteral(tokens[i]) && tokens[i].text[0] != '0') {
    // Zeros after the first digit read as placeholders: "/100".
    auto isZero = [](const FormatToken& token) { return token.kind == FormatTokenKind::Digit && token.letter == '0'; };
    for (int digits = 0; i < tokens.size() && (IsDigitLiteral(tokens[i]) || isZero(tokens[i])) && digits < 9;
         ++i, ++digits)
      layout.fixedDenominator = layout.fixedDenominator * 10 + (isZero(tokens[i]) ? 0 : tokens[i].text[0] - '0');
  } else {
    return std::nullopt;
  }
  layout.denominatorLast = i;
  layout.integer = PlaceholdersIn(tokens, layout.integerFirst, layout.integerLast);
  layout.numerator = PlaceholdersIn(tokens, layout.numeratorFirst, layout.numeratorLast);
  layout.denominator = PlaceholdersIn(tokens, layout.denominatorFirst, layout.denominatorLast);
  return layout;
}

struct Fraction {
  std::int64_t numerator = 0, denominator = 1;
};

// The fraction nearest to x in [0, 1] with a denominator of at most maxDenominator,
// from the continued fraction of x; the smaller denominator on a tie.
Fraction Nearest(double x, std::int64_t maxDenominator) {
  std::int64_t p0 = 0, q0 = 1, p1 = 1, q1 = 0;
  double rest = x;
  for (int step = 0; step < 64; ++step) {
    double whole = std::floor(rest);
    if (whole > static_cast<double>(maxDenominator)) break;
    std::int64_t a = static_cast<std::int64_t>(whole);
    std::int64_t q2 = a * q1 + q0;
    if (q2 > maxDenominator) {
      // The best between the last convergent and the largest semiconvergent.
      std::int64_t k = (maxDenominator - q0) / q1;
      Fraction semi{k * p1 + p0, k * q1 + q0};
      Fraction last{p1, q1};
      double semiError = std::fabs(x - static_cast<double>(semi.numerator) / semi.denominator);
      double lastError = std::fabs(x - static_cast<double>(last.numerator) / last.denominator);
      return semiError < lastError ? semi : last;
    }
    std::int64_t p2 = a * p1 + p0;
    p0 = p1, q0 = q1, p1 = p2, q1 = q2;
    if (rest - whole < 1e-12) break;
    rest = 1 / (rest - whole);
  }
  return q1 == 0 ? Fraction{0, 1} : Fraction{p1, q1};
}

// A denominator left-aligned in its placeholders: '0' pads with zeros before it,
// '?' with spaces after it.
std::string PlaceDenominator(std::string_view placeholders, const std::string& digits) {
  std::string before, after;
  for (std::size_t i = digits.size(); i < placeholders.size(); ++i) {
    if (placeholders[i - digits.size()] == '0') before += '0';
    if (placeholders[i - digits.size()] == '?') after += ' ';
  }
  return before + digits + after;
}

std::size_t CodePoints(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

// Digits of a fraction as shown: the numerator right-aligned in its placeholders, the
// denominator as computed (ignored when the format writes its own).
struct FractionDigits {
  std::string numerator, denominator;
};

class FractionWriter {
 public:
  FractionWriter(const std::vector<FormatToken>& tokens, const FractionLayout& layout)
      : tokens_(tokens), layout_(layout) {}

  // integerDigits: placed as an integer ("" shows only what '0' and '?' show).
  // showSeparator: the text between the integer and the numerator, else blanked.
  // fraction: none leaves the fraction out.
  std::string Write(const std::string& integerDigits, bool showSeparator,
                    const std::optional<FractionDigits>& fraction) const {
    std::string text = Range(0, layout_.HasInteger() ? layout_.integerFirst : layout_.numeratorFirst);
    std::size_t fractionFirst = layout_.numeratorFirst;
    if (layout_.HasInteger()) {
      std::vector<std::string> places = PlaceInteger(layout_.integer, integerDigits, false);
      text += Range(layout_.integerFirst, layout_.integerLast, &places);
      fractionFirst = layout_.integerLast;
    }
    if (!fraction) {
      // The room the fraction would take stays blank when a '?' asks for it.
      bool anyQuestionMark =
          (layout_.integer + layout_.numerator + layout_.denominator).find('?') != std::string::npos;
      if (anyQuestionMark) text += std::string(CodePoints(Range(fractionFirst, layout_.denominatorLast)), ' ');
      return text + Range(layout_.denominatorLast, tokens_.size());
    }
    std::string separator = Range(fractionFirst, layout_.numeratorFirst);
    if (showSeparator) text += separator;
    else if ((layout_.integer + layout_.numerator).find('?') != std::string::npos)
      text += std::string(CodePoints(separator), ' ');
    std::vector<std::string> numerator = PlaceInteger(layout_.numerator, fraction->numerator, false);
    text += Range(layout_.numeratorFirst, layout_.numeratorLast, &numerator);
    text += Range(layout_.numeratorLast, layout_.denominatorFirst);
    if (layout_.fixedDenominator) {
      text += Range(layout_.denominatorFirst, layout_.denominatorLast);
    } else {
      std::vector<std::string> denominator(layout_.denominator.size());
      denominator[0] = PlaceDenominator(layout_.denominator, fraction->denominator);
      text += Range(layout_.denominatorFirst, layout_.denominatorLast, &denominator);
    }
    return text + Range(layout_.denominatorLast, tokens_.size());
  }

 private:
  // The tokens of [first, last) as text, placeholders showing `places` in order
  // (their own letter when none are given).
  std::string Range(std::size_t first, std::size_t last, const std::vector<std::string>* places = nullptr) const {
    std::string text;
    std::size_t place = 0;
    for (std::size_t i = first; i < last && i < tokens_.size(); ++i) {
      if (tokens_[i].kind == FormatTokenKind::Digit && places) text += (*places)[place++];
      else if (tokens_[i].kind != FormatTokenKind::Comma) text += PlainText(tokens_[i]);  // fractions do not group
    }
    return text;
  }

  const std::vector<FormatToken>& tokens_;
  const FractionLayout& layout_;
};

// The digits of a whole number ≥ 0 (empty for 0), to fifteen significant digits.
std::string WholeDigits(double number) { return RoundToFixed(ToDecimal(number), 0).integer; }

}  // namespace

std::optional<std::string> FormatFraction(const std::vector<FormatToken>& tokens, double value) {
  std::optional<FractionLayout> found = LayoutOf(tokens);
  if (!found) return std::nullopt;
  const FractionLayout& layout = *found;
  const FractionWriter writer(tokens, layout);
  value = ToShownPrecision(value);
  const std::int64_t fixed = layout.fixedDenominator;

  double whole = 0;  // the integer part
  Fraction part;     // what is left of the value
  if (value >= kWholeNumbersFrom) {
    whole = value;  // nothing is left after the point at fifteen digits
    part.denominator = fixed ? fixed : 1;
  } else {
    whole = std::floor(value);
    double rest = value - whole;
    if (fixed) {
      part = {std::llround(rest * static_cast<double>(fixed)), fixed};
    } else {
      int digits = std::min<int>(static_cast<int>(layout.denominator.size()), kMaxDenominatorDigits);
      std::int64_t maxDenominator = 1;
      for (int i = 0; i < digits; ++i) maxDenominator *= 10;
      part = Nearest(rest, maxDenominator - 1);
    }
    if (part.numerator == part.denominator) whole += 1, part.numerator = 0;
    if (part.numerator == 0 && !fixed) part.denominator = 1;
  }
  const std::string denominator = std::to_string(part.denominator);
  if (!layout.HasInteger()) {
    // An improper fraction: the integer goes into the numerator.
    double numerator = whole * static_cast<double>(part.denominator) + static_cast<double>(part.numerator);
    if (!std::isfinite(numerator)) return std::string(kUnshowableText);
    std::string digits = WholeDigits(numerator);
    return writer.Write("", true, FractionDigits{digits.empty() ? "0" : digits, denominator});
  }

  const std::string wholeDigits = WholeDigits(whole);
  const FractionDigits digits{std::to_string(part.numerator), denominator};
  if (part.numerator == 0) {
    if (layout.numerator.find('0') == std::string::npos)
      return writer.Write(wholeDigits.empty() ? "0" : wholeDigits, true, std::nullopt);
    // "0/1" stays; a zero integer part vanishes under a last '#'.
    if (wholeDigits.empty() && layout.integer.back() == '#') return writer.Write("", false, digits);
    return writer.Write(wholeDigits.empty() ? "0" : wholeDigits, true, digits);
  }
  if (wholeDigits.empty() && layout.integer.find('0') == std::string::npos) return writer.Write("", false, digits);
  return writer.Write(wholeDigits, true, digits);
}

}  // namespace sim
