// Writes the numbers and strings of an add-in record into its bytes, little-endian,
// strings cut so that their NUL still fits their slot.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "automation/CellRecordLayout.h"

namespace sim {

class RecordWriter {
 public:
  RecordWriter(std::vector<unsigned char>& bytes, std::size_t size) : bytes_(bytes) { bytes_.assign(size, 0); }

  void Int32(std::size_t offset, int value) { Unsigned(offset, static_cast<std::uint32_t>(value), 4); }
  void Double(std::size_t offset, double value) { Unsigned(offset, std::bit_cast<std::uint64_t>(value), 8); }
  void Byte(std::size_t offset, unsigned char value) { bytes_[offset] = value; }
  void String(CellRecordSlot slot, const std::string& text) {
    std::copy_n(text.begin(), std::min(text.size(), slot.size - 1), bytes_.begin() + slot.offset);
  }
  void WideString(CellRecordSlot slot, const std::u16string& text) {
    std::size_t units = std::min(text.size(), slot.size / 2 - 1);
    for (std::size_t i = 0; i < units; ++i) Unsigned(slot.offset + 2 * i, text[i], 2);
  }

 private:
  void Unsigned(std::size_t offset, std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_[offset + i] = static_cast<unsigned char>(value >> (8 * i));
  }
  std::vector<unsigned char>& bytes_;
};

}  // namespace sim
