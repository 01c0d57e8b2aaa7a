#include "model/AbsoluteAddress.h"

#include <charconv>

namespace {

bool IsColumnLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

bool ParseAbsoluteAddress(std::string_view address, int* row, int* column) {
  if (address.size() < 4 || address[0] != '$' || !IsColumnLetter(address[1])) return false;
  size_t letters = IsColumnLetter(address[2]) ? 2 : 1;
  if (address[1 + letters] != '$') return false;
  std::string_view digits = address.substr(2 + letters);
  int rowNumber = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), rowNumber);
  if (digits.empty() || digits[0] < '0' || digits[0] > '9' || error != std::errc() ||
      end != digits.data() + digits.size())
    return false;
  int columnNumber = address[1] - 'A' + 1;
  if (letters == 2) columnNumber = columnNumber * 26 + (address[2] - 'A' + 1);
  if (row) *row = rowNumber;
  if (column) *column = columnNumber;
  return true;
}
