#include "sim/excel/RangeAddress.h"

#include <algorithm>

namespace sim {
namespace {

constexpr long kLastColumn = 16384;  // XFD
constexpr long kLastRow = 1048576;

enum class AreaKind { Cells, Columns, Rows };

struct Area {
  AreaKind kind = AreaKind::Cells;
  long top = 0, left = 0, bottom = 0, right = 0;  // 0 where the kind has no such bound
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One reference: column letters, row number or both, each with an optional "$".
struct Reference {
  long column = 0;
  long row = 0;
};

std::optional<Reference> ParseReference(std::string_view text) {
  Reference ref;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '$') ++i;
  std::size_t letters = 0;
  for (; i < text.size() && IsLetter(text[i]); ++i, ++letters) {
    if (letters == 3) return std::nullopt;
    ref.column = ref.column * 26 + (text[i] | 0x20) - 'a' + 1;
  }
  if (letters > 0 && ref.column > kLastColumn) return std::nullopt;
  if (i < text.size() && text[i] == '$') {
    if (letters == 0 && i > 0) return std::nullopt;  // "$$3"
    ++i;
  }
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    if (digits == 0 && text[i] == '0') return std::nullopt;
    if (digits == 7) return std::nullopt;
    ref.row = ref.row * 10 + (text[i] - '0');
  }
  if (i != text.size() || (letters == 0 && digits == 0) || ref.row > kLastRow) return std::nullopt;
  if (text.back() == '$') return std::nullopt;  // "B$"
  return ref;
}

AreaKind KindOf(const Reference& ref) {
  if (ref.column && ref.row) return AreaKind::Cells;
  return ref.column ? AreaKind::Columns : AreaKind::Rows;
}

std::optional<Area> ParseArea(std::string_view text) {
  std::size_t colon = text.find(':');
  auto first = ParseReference(text.substr(0, colon));
  if (!first) return std::nullopt;
  Reference second = *first;
  if (colon != std::string_view::npos) {
    auto parsed = ParseReference(text.substr(colon + 1));
    if (!parsed || KindOf(*parsed) != KindOf(*first)) return std::nullopt;
    second = *parsed;
  } else if (KindOf(*first) != AreaKind::Cells) {
    return std::nullopt;  // "B" or "3" alone would be a defined name
  }
  return Area{KindOf(*first), std::min(first->row, second.row), std::min(first->column, second.column),
              std::max(first->row, second.row), std::max(first->column, second.column)};
}

std::string AbsoluteText(const Area& area) {
  switch (area.kind) {
    case AreaKind::Columns:
      return "$" + ColumnLetters(area.left) + ":$" + ColumnLetters(area.right);
    case AreaKind::Rows:
      return "$" + std::to_string(area.top) + ":$" + std::to_string(area.bottom);
    case AreaKind::Cells:
      break;
  }
  std::string text = "$" + ColumnLetters(area.left) + "$" + std::to_string(area.top);
  if (area.top == area.bottom && area.left == area.right) return text;
  return text + ":$" + ColumnLetters(area.right) + "$" + std::to_string(area.bottom);
}

}  // namespace

std::string ColumnLetters(long column) {
  std::string letters;
  for (; column > 0; column = (column - 1) / 26) letters.insert(letters.begin(), char('A' + (column - 1) % 26));
  return letters;
}

std::optional<std::string> AbsoluteAddress(std::string_view cell1, std::optional<std::string_view> cell2) {
  if (cell2) {
    auto a = ParseArea(cell1);
    auto b = ParseArea(*cell2);
    if (!a || !b || a->kind != b->kind) return std::nullopt;
    return AbsoluteText(Area{a->kind, std::min(a->top, b->top), std::min(a->left, b->left),
                             std::max(a->bottom, b->bottom), std::max(a->right, b->right)});
  }
  std::string text;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = cell1.find(',', start);
    auto area = ParseArea(cell1.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (!area) return std::nullopt;
    text += AbsoluteText(*area);
    if (comma == std::string_view::npos) return text;
    text += ',';
    start = comma + 1;
  }
}

}  // namespace sim
