// Arbitrary format codes and values through the rendering of displayed texts: the
// first bytes choose the value, the rest is the format code.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "sim/excel/numfmt/NumberFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  // Byte 0 picks the kind of value and the date system, bytes 1-8 are the number.
  double number = 0;
  std::memcpy(&number, data + 1, sizeof number);
  int64_t whole = 0;
  std::memcpy(&whole, data + 1, sizeof whole);
  std::string_view code(reinterpret_cast<const char*>(data + 9), size - 9);

  sim::CellValueForFormat value;
  switch (data[0] % 4) {
    case 0: value = {sim::CellValueForFormat::Number, number}; break;
    case 1:  // ordinary magnitudes, where most of the formatting happens
      value = {sim::CellValueForFormat::Number, static_cast<double>(whole % 100000000) / 1000};
      break;
    case 2: value = {sim::CellValueForFormat::Text, 0, std::string(code.substr(0, 16))}; break;
    default: value = {sim::CellValueForFormat::Boolean, number}; break;
  }
  const bool date1904 = (data[0] & 4) != 0;
  sim::DisplayedText shown = sim::FormatCellValue(value, code, date1904);
  // What a format shows grows with the code, never without bound.
  if (shown.text.size() > std::max(4 * code.size() + 1024, sim::kMaxDisplayedTextLength)) __builtin_trap();
  sim::IsDateFormat(code);
  return 0;
}
