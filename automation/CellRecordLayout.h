// The byte layout of the cell record, one cell of a range as the add-in sends it:
// kCellRecordSize bytes, little-endian, numbers at fixed offsets and strings in
// fixed slots, each ending at its first NUL.
#pragma once

#include <cstddef>

#include "automation/AddinContract.h"

// A string's place in the record: offset and size in bytes.
struct CellRecordSlot {
  std::size_t offset;
  std::size_t size;
};

// Numbers: doubles (geometry and font size), then int32 values, then bytes.
constexpr std::size_t kCellLeft = 8;
constexpr std::size_t kCellTop = 16;
constexpr std::size_t kCellWidth = 24;
constexpr std::size_t kCellHeight = 32;
constexpr std::size_t kCellLayoutWidth = 40;
constexpr std::size_t kCellLayoutHeight = 48;
constexpr std::size_t kCellFontSize = 56;
constexpr std::size_t kCellOrientation = 64;
constexpr std::size_t kCellIndentLevel = 68;
constexpr std::size_t kCellHorizontalAlignment = 72;
constexpr std::size_t kCellVerticalAlignment = 76;
constexpr std::size_t kCellFillColor = 80;
constexpr std::size_t kCellFillColorIndex = 84;
constexpr std::size_t kCellPattern = 88;
constexpr std::size_t kCellPatternColor = 92;
constexpr std::size_t kCellUnderline = 96;
constexpr std::size_t kCellFontColor = 100;
constexpr std::size_t kCellWrapText = 104;
constexpr std::size_t kCellBold = 105;
constexpr std::size_t kCellItalic = 106;

// Edge blocks: int32 line style, weight and colour; the outer edges add a priority
// byte and three bytes of padding.
constexpr std::size_t kEdgeBlockLeft = 108;
constexpr std::size_t kEdgeBlockTop = 124;
constexpr std::size_t kEdgeBlockRight = 140;
constexpr std::size_t kEdgeBlockBottom = 156;
constexpr std::size_t kEdgeBlockDiagonalDown = 172;
constexpr std::size_t kEdgeBlockDiagonalUp = 184;
constexpr std::size_t kEdgeLineStyle = 0;
constexpr std::size_t kEdgeWeight = 4;
constexpr std::size_t kEdgeColor = 8;
constexpr std::size_t kEdgePriority = 12;

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

static_assert(kSheetName.offset + kSheetName.size == kCellRecordSize, "the sheet name ends the record");
