#include "model/RecordView.h"

#include <bit>

std::optional<CRecordView> CRecordView::FromMessage(const void* data, size_t size, size_t recordSize) {
  if (!data || size != recordSize) return std::nullopt;
  return CRecordView(static_cast<const unsigned char*>(data), size);
}

unsigned char CRecordView::Byte(size_t offset) const { return Holds(offset, 1) ? bytes_[offset] : 0; }

int32_t CRecordView::Int32(size_t offset) const {
  if (!Holds(offset, 4)) return 0;
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[offset + i];
  return static_cast<int32_t>(v);
}

double CRecordView::Double(size_t offset) const {
  if (!Holds(offset, 8)) return 0;
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | bytes_[offset + i];
  return std::bit_cast<double>(v);
}

std::string CRecordView::String(CellRecordSlot slot) const {
  if (!Holds(slot.offset, slot.size)) return {};
  const char* begin = reinterpret_cast<const char*>(bytes_ + slot.offset);
  size_t n = 0;
  while (n < slot.size && begin[n] != '\0') ++n;
  return std::string(begin, n);
}

std::u16string CRecordView::WideString(CellRecordSlot slot) const {
  if (!Holds(slot.offset, slot.size)) return {};
  std::u16string text;
  for (size_t at = slot.offset; at + 1 < slot.offset + slot.size; at += 2) {
    char16_t unit = static_cast<char16_t>(bytes_[at] | (bytes_[at + 1] << 8));
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text;
}
