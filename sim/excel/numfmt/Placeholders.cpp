#include "sim/excel/numfmt/Placeholders.h"

namespace sim {

std::vector<std::string> PlaceInteger(std::string_view placeholders, std::string_view digits, bool grouping) {
  const std::size_t count = placeholders.size(), length = digits.size();
  std::vector<std::string> shown(count);
  // Place p counts from the right, from 1; a separator follows places 4, 7, 10, ...
  auto separatorAfter = [&](std::size_t place) { return grouping && place > 1 && (place - 1) % 3 == 0; };
  for (std::size_t i = 0; i < count; ++i) {
    std::string& text = shown[i];
    if (i == 0)
      for (std::size_t place = length; place > count; --place) {
        text += digits[length - place];
        if (separatorAfter(place)) text += ',';
      }
    std::size_t place = count - i;
    char placeholder = placeholders[i];
    if (place <= length) {
      text += digits[length - place];
      if (separatorAfter(place)) text += ',';
    } else if (placeholder == '0') {
      text += separatorAfter(place) ? "0," : "0";
    } else if (placeholder == '?') {
      text += separatorAfter(place) ? "  " : " ";
    }
  }
  return shown;
}

std::vector<std::string> PlaceDecimals(std::string_view placeholders, std::string_view digits) {
  std::vector<std::string> shown(placeholders.size());
  bool trailing = true;
  for (std::size_t i = placeholders.size(); i-- > 0;) {
    char digit = i < digits.size() ? digits[i] : '0';
    trailing = trailing && digit == '0' && placeholders[i] != '0';
    if (!trailing) shown[i] = std::string(1, digit);
    else if (placeholders[i] == '?') shown[i].push_back(' ');
  }
  return shown;
}

std::string PlaceholdersIn(const std::vector<FormatToken>& tokens, std::size_t first, std::size_t last) {
  std::string placeholders;
  for (std::size_t i = first; i < last && i < tokens.size(); ++i)
    if (tokens[i].kind == FormatTokenKind::Digit) placeholders += tokens[i].letter;
  return placeholders;
}

}  // namespace sim
