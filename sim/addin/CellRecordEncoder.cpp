#include "sim/addin/CellRecordEncoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace sim {
namespace {

class RecordWriter {
 public:
  explicit RecordWriter(std::vector<unsigned char>& bytes) : bytes_(bytes) { bytes_.assign(kCellRecordSize, 0); }

  void Int32(size_t offset, int value) { Unsigned(offset, static_cast<uint32_t>(value), 4); }
  void Double(size_t offset, double value) { Unsigned(offset, std::bit_cast<uint64_t>(value), 8); }
  void Byte(size_t offset, unsigned char value) { bytes_[offset] = value; }
  void String(CellRecordSlot slot, const std::string& text) {
    std::copy_n(text.begin(), std::min(text.size(), slot.size - 1), bytes_.begin() + slot.offset);
  }
  void WideString(CellRecordSlot slot, const std::u16string& text) {
    size_t units = std::min(text.size(), slot.size / 2 - 1);
    for (size_t i = 0; i < units; ++i) Unsigned(slot.offset + 2 * i, text[i], 2);
  }
  void Edge(size_t offset, const EdgeDescription& edge, bool withPriority) {
    Int32(offset + kEdgeLineStyle, edge.lineStyle);
    Int32(offset + kEdgeWeight, edge.weight);
    Int32(offset + kEdgeColor, edge.color);
    if (withPriority) Byte(offset + kEdgePriority, edge.priority);
  }
 private:
  void Unsigned(size_t offset, uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_[offset + i] = static_cast<unsigned char>(value >> (8 * i));
  }
  std::vector<unsigned char>& bytes_;
};

}  // namespace

std::vector<unsigned char> EncodeCellRecord(const CellDescription& cell) {
  std::vector<unsigned char> record;
  EncodeCellRecord(cell, record);
  return record;
}

void EncodeCellRecord(const CellDescription& cell, std::vector<unsigned char>& record) {
  RecordWriter w(record);
  w.Double(kCellLeft, cell.left);
  w.Double(kCellTop, cell.top);
  w.Double(kCellWidth, cell.width);
  w.Double(kCellHeight, cell.height);
  w.Double(kCellLayoutWidth, cell.layoutWidth);
  w.Double(kCellLayoutHeight, cell.layoutHeight);
  w.Double(kCellFontSize, cell.fontSize);
  w.Int32(kCellOrientation, cell.orientation);
  w.Int32(kCellIndentLevel, cell.indentLevel);
  w.Int32(kCellHorizontalAlignment, cell.horizontalAlignment);
  w.Int32(kCellVerticalAlignment, cell.verticalAlignment);
  w.Int32(kCellFillColor, cell.fillColor);
  w.Int32(kCellFillColorIndex, cell.fillColorIndex);
  w.Int32(kCellPattern, cell.pattern);
  w.Int32(kCellPatternColor, cell.patternColor);
  w.Int32(kCellUnderline, cell.underline);
  w.Int32(kCellFontColor, cell.fontColor);
  w.Byte(kCellWrapText, cell.wrapText);
  w.Byte(kCellBold, cell.bold);
  w.Byte(kCellItalic, cell.italic);
  w.Edge(kEdgeBlockLeft, cell.leftEdge, true);
  w.Edge(kEdgeBlockTop, cell.topEdge, true);
  w.Edge(kEdgeBlockRight, cell.rightEdge, true);
  w.Edge(kEdgeBlockBottom, cell.bottomEdge, true);
  w.Edge(kEdgeBlockDiagonalDown, cell.diagonalDown, false);
  w.Edge(kEdgeBlockDiagonalUp, cell.diagonalUp, false);
  w.String(kCellAddress, cell.address);
  w.String(kCellMergeAddress, cell.mergeAddress);
  w.WideString(kCellText, cell.text);
  w.String(kCellTextInfo1, cell.textInfo1);
  w.String(kCellTextInfo2, cell.textInfo2);
  w.String(kCellRunDescription, cell.runDescription);
  w.String(kCellFontName, cell.fontName);
  w.String(kRangeAddress, cell.rangeAddress);
  w.String(kSheetName, cell.sheetName);
}

}  // namespace sim
