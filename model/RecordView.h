// A record of the add-in as the module reads it: only through this view, which never
// reads outside the record and reads a string only within its slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "automation/CellRecordLayout.h"

class CRecordView {
 public:
  // The message as a record of the given size; none when it has any other size.
  static std::optional<CRecordView> FromMessage(const void* data, size_t size, size_t recordSize);

  // Outside the record they read as 0.
  unsigned char Byte(size_t offset) const;
  int32_t Int32(size_t offset) const;
  double Double(size_t offset) const;
  // The string up to its NUL; a slot without one is cut at the slot's end.
  std::string String(CellRecordSlot slot) const;
  std::u16string WideString(CellRecordSlot slot) const;

 protected:
  CRecordView(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}

 private:
  bool Holds(size_t offset, size_t size) const { return offset <= size_ && size <= size_ - offset; }

  const unsigned char* bytes_;
  size_t size_;
};
