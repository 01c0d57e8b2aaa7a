// Fields of the link attributes' records: little-endian numbers and UTF-16 texts in
// fixed slots. Callers have checked the record's size against the layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "support/TextConvert.h"

inline std::int32_t Int32At(const std::uint8_t* record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
  return static_cast<std::int32_t>(value);
}

inline double DoubleAt(const std::uint8_t* record, std::size_t offset) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(record[offset + i]) << (8 * i);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// The text of a slot up to its NUL; a slot without one ends the text at its end.
inline std::string SlotTextAt(const std::uint8_t* record, std::size_t offset, std::size_t slotSize) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < slotSize; i += 2) {
    const auto unit = static_cast<char16_t>(record[offset + i] | record[offset + i + 1] << 8);
    if (unit == 0) break;
    text.push_back(unit);
  }
  return WideToNarrow(text);
}
