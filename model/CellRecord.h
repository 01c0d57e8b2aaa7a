// A cell record as the module reads it: only through this view, which never reads
// outside the record and reads a string only within its slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "automation/CellRecordLayout.h"

class CCellRecord {
 public:
  static constexpr size_t kSize = kCellRecordSize;

  // The message as a cell record; none when it has any other size.
  static std::optional<CCellRecord> FromMessage(const void* data, size_t size);

  // Outside the record they read as 0.
  unsigned char Byte(size_t offset) const;
  int32_t Int32(size_t offset) const;
  double Double(size_t offset) const;
  // The string up to its NUL; a slot without one is cut at the slot's end.
  std::string String(CellRecordSlot slot) const;
  std::u16string WideString(CellRecordSlot slot) const;

 private:
  explicit CCellRecord(const unsigned char* bytes) : bytes_(bytes) {}
  bool Holds(size_t offset, size_t size) const { return offset <= kSize && size <= kSize - offset; }

  const unsigned char* bytes_;
};
