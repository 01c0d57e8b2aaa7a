#include "support/CellAddress.h"

#include <string>

#include "support/TextCompare.h"

namespace {

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The row number that starts at `at`, up to the first character that is no digit;
// false when there is none, or it is 0 or beyond the sheet.
bool ReadRow(std::string_view text, std::size_t at, int* row) {
  long value = 0;
  std::size_t end = at;
  for (; end < text.size() && IsDigit(text[end]); ++end) {
    value = value * 10 + (text[end] - '0');
    if (value > kLastAddressRow) return false;
  }
  if (end == at || value == 0) return false;
  *row = static_cast<int>(value);
  return true;
}

// The cell whose address starts with the "$" at `dollar`. A digit right after it is
// a whole row: its number goes to `row` when `wholeRow` asks for it, and the reading
// fails all the same, as a whole row has no column.
bool ReadCell(std::string_view text, std::size_t dollar, bool wholeRow, int* row, int* column) {
  if (dollar + 1 >= text.size()) return false;
  const char first = text[dollar + 1];
  if (IsDigit(first)) {
    int number = 0;
    if (wholeRow && ReadRow(text, dollar + 1, &number) && row) *row = number;
    return false;
  }
  if (!IsUpperLetter(first)) return false;
  int letters = first - 'A' + 1;
  std::size_t next = dollar + 2;
  if (next < text.size() && IsUpperLetter(text[next])) letters = letters * 26 + (text[next++] - 'A' + 1);
  int number = 0;
  if (next >= text.size() || text[next] != '$' || !ReadRow(text, next + 1, &number)) return false;
  if (row) *row = number;
  if (column) *column = letters;
  return true;
}

}  // namespace

std::string AbsoluteCellAddress(int row, int column) {
  if (row <= 0 || row > kLastAddressRow || column <= 0 || column > kLastAddressColumn) return "";
  std::string address = "$";
  if (column < 27) {
    address += static_cast<char>(64 + column);
  } else {
    address += static_cast<char>(64 + (column - 1) / 26);
    address += static_cast<char>(65 + (column - 1) % 26);
  }
  return address + "$" + std::to_string(row);
}

bool ParseRangeStart(std::string_view address, int* row, int* column, AddressReading reading) {
  std::string upper;
  if (reading == AddressReading::Borders) {
    upper = ToUpperAscii(address);
    address = upper;
  }
  const std::size_t dollar = address.find('$');
  if (dollar == std::string_view::npos) return false;
  return ReadCell(address, dollar, reading == AddressReading::Layout, row, column);
}

bool ParseRangeEnd(std::string_view address, int* row, int* column) {
  const std::size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon + 1 >= address.size() || address[colon + 1] != '$') return false;
  return ReadCell(address, colon + 1, true, row, column);
}
