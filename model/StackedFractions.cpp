#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "model/CharacterRuns.h"

namespace {

constexpr size_t kMaxFractionText = 519;
constexpr char16_t kInchMark = u'"';

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool AllDigits(std::u16string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit); }

struct Fraction {
  std::u16string_view numerator;
  std::u16string_view denominator;
  bool inchMark = false;
};

// A token of digits with one '/' inside, such as 1/2, optionally followed by an inch
// mark directly after its last digit.
std::optional<Fraction> ParseFraction(std::u16string_view token) {
  if (token.size() < 3) return std::nullopt;
  Fraction fraction;
  if (token.back() == kInchMark) {
    fraction.inchMark = true;
    token.remove_suffix(1);
  }
  size_t slash = token.find(u'/');
  if (slash == std::u16string_view::npos) return std::nullopt;
  fraction.numerator = token.substr(0, slash);
  fraction.denominator = token.substr(slash + 1);
  if (!AllDigits(fraction.numerator) || !AllDigits(fraction.denominator)) return std::nullopt;
  return fraction;
}

std::vector<std::u16string_view> SplitAtSpaces(std::u16string_view text) {
  std::vector<std::u16string_view> tokens;
  while (!text.empty()) {
    size_t at = text.find(u' ');
    if (at != 0) tokens.push_back(text.substr(0, at));
    text = at == std::u16string_view::npos ? std::u16string_view() : text.substr(at + 1);
  }
  return tokens;
}

void AddRun(CCharMultiFont& runs, std::u16string_view text, UInt32 mark) {
  CCharFont run;
  run.EndIndex = -1;
  run.TextParams.exFlags |= mark;
  run.SetRunText(text);
  runs.Add(run);
}

}  // namespace

CCharMultiFont StackFractions(std::u16string_view text) {
  const std::vector<std::u16string_view> tokens = SplitAtSpaces(text.substr(0, kMaxFractionText));
  CCharMultiFont runs;
  bool anyFraction = false;
  std::u16string plain;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (std::optional<Fraction> fraction = ParseFraction(tokens[i])) {
      anyFraction = true;
      if (!plain.empty()) AddRun(runs, plain, 0);
      plain.clear();
      AddRun(runs, fraction->numerator, kFractionNumerator);
      AddRun(runs, fraction->denominator, kFractionDenominator);
      if (fraction->inchMark) plain = kInchMark;
    } else {
      plain += tokens[i];
    }
    if (i + 1 < tokens.size()) plain += u' ';
  }
  // A text without a fraction is drawn from the text alone.
  if (!anyFraction) return {};
  if (!plain.empty()) AddRun(runs, plain, 0);
  return runs;
}
