// A cell record as the module reads it (automation/CellRecordLayout.h).
#pragma once

#include "model/RecordView.h"

class CCellRecord : public CRecordView {
 public:
  static constexpr size_t kSize = kCellRecordSize;

  // The message as a cell record; none when it has any other size.
  static std::optional<CCellRecord> FromMessage(const void* data, size_t size) {
    if (!CRecordView::FromMessage(data, size, kSize)) return std::nullopt;
    return CCellRecord(static_cast<const unsigned char*>(data));
  }

 private:
  explicit CCellRecord(const unsigned char* bytes) : CRecordView(bytes, kSize) {}
};
