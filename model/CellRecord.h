// The cell record: one cell of a range as the add-in sends it, 13032 bytes,
// little-endian. A record is read only through this view, which never reads outside
// the record and reads a string only within its slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A string's place in the record: offset and size in bytes.
struct CellRecordSlot {
  size_t offset;
  size_t size;
};

// Numbers.
constexpr size_t kCellLeft = 8;
constexpr size_t kCellTop = 16;
constexpr size_t kCellWidth = 24;
constexpr size_t kCellHeight = 32;
constexpr size_t kCellLayoutWidth = 40;
constexpr size_t kCellLayoutHeight = 48;
constexpr size_t kCellFontSize = 56;
constexpr size_t kCellOrientation = 64;
constexpr size_t kCellIndentLevel = 68;
constexpr size_t kCellHorizontalAlignment = 72;
constexpr size_t kCellVerticalAlignment = 76;
constexpr size_t kCellFillColor = 80;
constexpr size_t kCellFillColorIndex = 84;
constexpr size_t kCellPattern = 88;
constexpr size_t kCellPatternColor = 92;
constexpr size_t kCellUnderline = 96;
constexpr size_t kCellFontColor = 100;
constexpr size_t kCellWrapText = 104;
constexpr size_t kCellBold = 105;
constexpr size_t kCellItalic = 106;

// Edge blocks: int32 line style, weight and colour; the outer edges add a priority
// byte and three bytes of padding.
constexpr size_t kEdgeBlockLeft = 108;
constexpr size_t kEdgeBlockTop = 124;
constexpr size_t kEdgeBlockRight = 140;
constexpr size_t kEdgeBlockBottom = 156;
constexpr size_t kEdgeBlockDiagonalDown = 172;
constexpr size_t kEdgeBlockDiagonalUp = 184;
constexpr size_t kEdgeLineStyle = 0;
constexpr size_t kEdgeWeight = 4;
constexpr size_t kEdgeColor = 8;
constexpr size_t kEdgePriority = 12;

// Strings, 8-bit unless noted.
constexpr CellRecordSlot kCellAddress{196, 32};  // empty: a placeholder record
constexpr CellRecordSlot kCellMergeAddress{228, 64};
constexpr CellRecordSlot kCellText{292, 8192};  // UTF-16LE
constexpr CellRecordSlot kCellTextInfo1{8484, 1024};
constexpr CellRecordSlot kCellTextInfo2{9508, 2048};
constexpr CellRecordSlot kCellRunDescription{11556, 1024};
constexpr CellRecordSlot kCellFontName{12580, 256};
constexpr CellRecordSlot kRangeAddress{12836, 64};
constexpr CellRecordSlot kSheetName{12900, 132};

class CCellRecord {
 public:
  static constexpr size_t kSize = 13032;

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
