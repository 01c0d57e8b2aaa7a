#include "sim/excel/numfmt/FormatSections.h"

#include <cstdlib>

namespace sim {
namespace {

constexpr std::size_t kMaxSections = 4;

// The long date and time of the system, which [$-F800] and [$-F400] stand for.
constexpr std::string_view kSystemLongDate = "dddd, mmmm d, yyyy";
constexpr std::string_view kSystemLongTime = "h:mm:ss AM/PM";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[at + i]) != Lower(prefix[i])) return false;
  return true;
}

// The length of the UTF-8 sequence starting at text[at], never past the end.
std::size_t CodePointLength(std::string_view text, std::size_t at) {
  unsigned char lead = static_cast<unsigned char>(text[at]);
  std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  std::size_t end = at + 1;
  while (end < text.size() && end < at + length && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end - at;
}

// The sections of a code, split at the semicolons outside quotes, escapes and brackets.
std::vector<std::string_view> SplitSections(std::string_view code) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  bool quoted = false, bracketed = false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    char c = code[i];
    if (quoted) {
      quoted = c != '"';
    } else if (bracketed) {
      bracketed = c != ']';
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      bracketed = true;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else if (c == ';') {
      sections.push_back(code.substr(start, i - start));
      start = i + 1;
      if (sections.size() == kMaxSections) return sections;
    }
  }
  sections.push_back(code.substr(std::min(start, code.size())));
  return sections;
}

std::optional<int> ColorIndexOf(std::string_view name) {
  static constexpr std::string_view kNames[] = {"black", "white", "red", "green", "blue", "yellow", "magenta", "cyan"};
  for (int i = 0; i < 8; ++i)
    if (name.size() == kNames[i].size() && StartsWithNoCase(name, 0, kNames[i])) return 8 + i;
  if (name.size() > 5 && name.size() <= 7 && StartsWithNoCase(name, 0, "color")) {
    int number = 0;
    for (char c : name.substr(5)) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 56) return number + 7;
  }
  return std::nullopt;
}

std::optional<FormatCondition> ConditionOf(std::string_view text) {
  FormatCondition condition;
  std::size_t length = 1;
  if (text.substr(0, 2) == "<=") condition.op = FormatCondition::LessEqual, length = 2;
  else if (text.substr(0, 2) == ">=") condition.op = FormatCondition::GreaterEqual, length = 2;
  else if (text.substr(0, 2) == "<>") condition.op = FormatCondition::NotEqual, length = 2;
  else if (text[0] == '<') condition.op = FormatCondition::Less;
  else if (text[0] == '>') condition.op = FormatCondition::Greater;
  else condition.op = FormatCondition::Equal;
  std::string operand(text.substr(length));
  char* end = nullptr;
  condition.operand = std::strtod(operand.c_str(), &end);
  if (operand.empty() || end != operand.c_str() + operand.size()) return std::nullopt;
  return condition;
}

// Whether every character of the text is the same letter (any case) of those given.
bool IsRunOf(std::string_view text, std::string_view letters) {
  if (text.empty() || letters.find(Lower(text[0])) == std::string_view::npos) return false;
  for (char c : text)
    if (Lower(c) != Lower(text[0])) return false;
  return true;
}

class SectionReader {
 public:
  explicit SectionReader(FormatSection* section) : section_(section) {}

  // Returns the system format a locale tag asks for instead of the section's own.
  std::optional<std::string_view> Read(std::string_view text) {
    std::optional<std::string_view> system;
    for (std::size_t i = 0; i < text.size();) {
      char c = text[i];
      if (c == '"') {
        std::size_t close = text.find('"', i + 1);
        if (close == std::string_view::npos) close = text.size();
        AddLiteral(text.substr(i + 1, close - i - 1));
        i = close + 1;
      } else if (c == '\\' || c == '_' || c == '*') {
        std::size_t next = i + 1 < text.size() ? CodePointLength(text, i + 1) : 0;
        if (c == '\\') AddLiteral(text.substr(i + 1, next));
        if (c == '_') AddLiteral(" ");  // room as wide as the character, taken as one space
        i += 1 + next;                  // '*' fills the cell with its character: nothing here
      } else if (c == '[') {
        std::size_t close = text.find(']', i + 1);
        if (close == std::string_view::npos) {
          AddLiteral(text.substr(i));
          break;
        }
        if (auto tagged = ReadBracket(text.substr(i + 1, close - i - 1))) system = tagged;
        i = close + 1;
      } else if (StartsWithNoCase(text, i, "general")) {
        Add({FormatTokenKind::General});
        i += 7;
      } else if (StartsWithNoCase(text, i, "am/pm")) {
        Add({FormatTokenKind::AmPm, "AM/PM"});
        i += 5;
      } else if (StartsWithNoCase(text, i, "a/p")) {
        Add({FormatTokenKind::AmPm, std::string(text.substr(i, 3))});
        i += 3;
      } else if (std::string_view("ymdhsYMDHS").find(c) != std::string_view::npos) {
        std::size_t end = i;
        while (end < text.size() && Lower(text[end]) == Lower(c)) ++end;
        Add({FormatTokenKind::DatePart, {}, Lower(c), static_cast<int>(end - i)});
        i = end;
      } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
        Add({FormatTokenKind::Exponent, std::string(1, c), text[i + 1]});
        i += 2;
      } else if (c == '0' || c == '#' || c == '?') {
        Add({FormatTokenKind::Digit, {}, c});
        ++i;
      } else {
        static constexpr std::string_view kSymbols = ".,%/@";
        static constexpr FormatTokenKind kKinds[] = {FormatTokenKind::Point, FormatTokenKind::Comma,
                                                     FormatTokenKind::Percent, FormatTokenKind::Slash,
                                                     FormatTokenKind::Text};
        std::size_t symbol = kSymbols.find(c);
        if (symbol != std::string_view::npos) {
          Add({kKinds[symbol]});
          ++i;
        } else {
          std::size_t length = CodePointLength(text, i);
          AddLiteral(text.substr(i, length));
          i += length;
        }
      }
    }
    return system;
  }

 private:
  void Add(FormatToken token) { section_->tokens.push_back(std::move(token)); }
  void AddLiteral(std::string_view text) {
    if (!text.empty()) Add({FormatTokenKind::Literal, std::string(text)});
  }

  std::optional<std::string_view> ReadBracket(std::string_view content) {
    if (content.empty()) return std::nullopt;
    if (auto color = ColorIndexOf(content)) {
      section_->colorIndex = color;
    } else if (content[0] == '<' || content[0] == '>' || content[0] == '=') {
      section_->condition = ConditionOf(content);
    } else if (content[0] == '$') {
      // [$€-407]: a currency symbol, then the locale it comes from.
      std::size_t dash = content.find('-');
      AddLiteral(content.substr(1, dash == std::string_view::npos ? std::string_view::npos : dash - 1));
      if (dash != std::string_view::npos) {
        std::string_view locale = content.substr(dash + 1);
        if (StartsWithNoCase(locale, 0, "F800")) return kSystemLongDate;
        if (StartsWithNoCase(locale, 0, "F400")) return kSystemLongTime;
      }
    } else if (IsRunOf(content, "hms")) {
      char letter = Lower(content[0]);
      Add({FormatTokenKind::DatePart, {}, letter == 'h' ? 'H' : letter == 'm' ? 'N' : 'S',
           static_cast<int>(content.size())});
    }
    return std::nullopt;  // other tags (calendars, numeral systems) change nothing in English
  }

  FormatSection* section_;
};

bool IsDateToken(const FormatToken& token) {
  return token.kind == FormatTokenKind::DatePart || token.kind == FormatTokenKind::AmPm;
}

// In a date section: "m" and "mm" are minutes right after hours or right before
// seconds; ".0" to ".000" after the seconds are their fraction; the number symbols
// are plain characters.
void ResolveDateTokens(std::vector<FormatToken>* tokens) {
  std::vector<FormatToken>& list = *tokens;
  auto neighbour = [&](std::size_t i, int step) -> const FormatToken* {
    for (std::size_t j = i + step; j < list.size(); j += step)
      if (list[j].kind == FormatTokenKind::DatePart) return &list[j];
    return nullptr;
  };
  for (std::size_t i = 0; i < list.size(); ++i) {
    FormatToken& token = list[i];
    if (token.kind == FormatTokenKind::DatePart && token.letter == 'm' && token.count <= 2) {
      const FormatToken* before = neighbour(i, -1);
      const FormatToken* after = neighbour(i, 1);
      if ((before && (before->letter == 'h' || before->letter == 'H')) ||
          (after && (after->letter == 's' || after->letter == 'S')))
        token.letter = 'n';
    }
  }
  std::vector<FormatToken> resolved;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const FormatToken& token = list[i];
    if (token.kind == FormatTokenKind::Point && i + 1 < list.size() && list[i + 1].kind == FormatTokenKind::Digit &&
        list[i + 1].letter == '0') {
      int digits = 0;
      while (i + 1 < list.size() && list[i + 1].kind == FormatTokenKind::Digit && list[i + 1].letter == '0') ++digits, ++i;
      resolved.push_back({FormatTokenKind::DatePart, {}, '.', std::min(digits, 3)});
    } else if (IsDateToken(token) || token.kind == FormatTokenKind::Literal) {
      resolved.push_back(token);
    } else if (token.kind != FormatTokenKind::General && token.kind != FormatTokenKind::Text) {
      resolved.push_back({FormatTokenKind::Literal, PlainText(token)});
    }
  }
  *tokens = std::move(resolved);
}

FormatSection ReadSection(std::string_view text) {
  FormatSection section;
  if (auto system = SectionReader(&section).Read(text)) {
    // The locale's own long date or time replaces the section's pattern; colour and
    // condition stay.
    section.tokens.clear();
    SectionReader(&section).Read(*system);
  }
  for (const FormatToken& token : section.tokens) {
    section.isDate = section.isDate || IsDateToken(token);
    section.hasText = section.hasText || token.kind == FormatTokenKind::Text;
  }
  if (section.isDate) ResolveDateTokens(&section.tokens);
  return section;
}

}  // namespace

std::string PlainText(const FormatToken& token) {
  switch (token.kind) {
    case FormatTokenKind::Literal: return token.text;
    case FormatTokenKind::Digit: return std::string(1, token.letter);
    case FormatTokenKind::Point: return ".";
    case FormatTokenKind::Comma: return ",";
    case FormatTokenKind::Percent: return "%";
    case FormatTokenKind::Slash: return "/";
    case FormatTokenKind::Exponent: return token.text + token.letter;
    default: return {};
  }
}

bool FormatCondition::Holds(double value) const {
  switch (op) {
    case Less: return value < operand;
    case LessEqual: return value <= operand;
    case Greater: return value > operand;
    case GreaterEqual: return value >= operand;
    case Equal: return value == operand;
    case NotEqual: return value != operand;
  }
  return false;
}

std::vector<FormatSection> ParseFormatCode(std::string_view code) {
  std::vector<FormatSection> sections;
  if (code.empty()) code = "General";
  for (std::string_view text : SplitSections(code)) sections.push_back(ReadSection(text));
  return sections;
}

}  // namespace sim
