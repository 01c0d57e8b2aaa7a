// A number format code read into its sections: the tokens of each, its colour and
// its condition.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class FormatTokenKind {
  Literal,      // text shown as written: quoted, escaped, padding, or any other character
  Digit,        // a digit placeholder: letter is '0', '#' or '?'
  Point,        // the decimal point
  Comma,        // a thousands separator, a scaling comma or a literal comma; the layout decides
  Percent,      // '%': shown, and multiplies by 100
  Exponent,     // "E+" or "E-": text is the E as written, letter the sign
  Slash,        // '/': a fraction bar between placeholders, else a literal
  Text,         // '@': the cell's text
  General,      // the General rendering of the number
  DatePart,     // see DateField
  AmPm,         // "AM/PM" (text "AM/PM") or "A/P" (text as written, for its letter case)
};

// The letter of a DatePart token with its count of letters: 'y', 'm' month, 'n'
// minute, 'd', 'h', 's'; elapsed [h] [m] [s] as 'H', 'N', 'S'; fractional seconds
// (".00") as '.' with the count of digits.
struct FormatToken {
  FormatTokenKind kind = FormatTokenKind::Literal;
  std::string text;  // Literal, AmPm, Exponent
  char letter = 0;   // Digit, Exponent, DatePart
  int count = 0;     // DatePart
};

// The characters a token shows as plain text, out of its usual role: a placeholder
// in a date, a comma before any digit. Nothing for the other kinds.
std::string PlainText(const FormatToken& token);

struct FormatCondition {
  enum Op { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual } op = Equal;
  double operand = 0;
  bool Holds(double value) const;
};

struct FormatSection {
  std::vector<FormatToken> tokens;
  std::optional<int> colorIndex;  // palette index, see DisplayedText
  std::optional<FormatCondition> condition;
  bool isDate = false;  // has date or time parts
  bool hasText = false; // has '@'
};

// The sections of a code, at most four; an empty code gives one General section.
std::vector<FormatSection> ParseFormatCode(std::string_view code);

}  // namespace sim
