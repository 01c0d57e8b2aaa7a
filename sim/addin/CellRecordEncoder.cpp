#include "sim/addin/CellRecordEncoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace sim {
namespace {


class RecordWriter {
 public:
  RecordWriter() : bytes_(kCellRecordBytes, 0) {}

  void Int32(size_t offset, int value) { Unsigned(offset, static_cast<uint32_t>(value), 4); }
  void Double(size_t offset, double value) { Unsigned(offset, std::bit_cast<uint64_t>(value), 8); }
  void Byte(size_t offset, unsigned char value) { bytes_[offset] = value; }
  void String(size_t offset, size_t slot, const std::string& text) {
    std::copy_n(text.begin(), std::min(text.size(), slot - 1), bytes_.begin() + offset);
  }
  void WideString(size_t offset, size_t slot, const std::u16string& text) {
    size_t units = std::min(text.size(), slot / 2 - 1);
    for (size_t i = 0; i < units; ++i) Unsigned(offset + 2 * i, text[i], 2);
  }
  void Edge(size_t offset, const EdgeDescription& edge, bool withPriority) {
    Int32(offset, edge.lineStyle);
    Int32(offset + 4, edge.weight);
    Int32(offset + 8, edge.color);
    if (withPriority) Byte(offset + 12, edge.priority);
  }
  std::vector<unsigned char> Take() { return std::move(bytes_); }

 private:
  void Unsigned(size_t offset, uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_[offset + i] = static_cast<unsigned char>(value >> (8 * i));
  }
  std::vector<unsigned char> bytes_;
};

}  // namespace

std::vector<unsigned char> EncodeCellRecord(const CellDescription& cell) {
  RecordWriter w;
  w.Double(8, cell.left);
  w.Double(16, cell.top);
  w.Double(24, cell.width);
  w.Double(32, cell.height);
  w.Double(40, cell.layoutWidth);
  w.Double(48, cell.layoutHeight);
  w.Double(56, cell.fontSize);
  w.Int32(64, cell.orientation);
  w.Int32(68, cell.indentLevel);
  w.Int32(72, cell.horizontalAlignment);
  w.Int32(76, cell.verticalAlignment);
  w.Int32(80, cell.fillColor);
  w.Int32(84, cell.fillColorIndex);
  w.Int32(88, cell.pattern);
  w.Int32(92, cell.patternColor);
  w.Int32(96, cell.underline);
  w.Int32(100, cell.fontColor);
  w.Byte(104, cell.wrapText);
  w.Byte(105, cell.bold);
  w.Byte(106, cell.italic);
  w.Edge(108, cell.leftEdge, true);
  w.Edge(124, cell.topEdge, true);
  w.Edge(140, cell.rightEdge, true);
  w.Edge(156, cell.bottomEdge, true);
  w.Edge(172, cell.diagonalDown, false);
  w.Edge(184, cell.diagonalUp, false);
  w.String(196, 32, cell.address);
  w.String(228, 64, cell.mergeAddress);
  w.WideString(292, kCellTextSlotBytes, cell.text);
  w.String(8484, 1024, cell.textInfo1);
  w.String(9508, 2048, cell.textInfo2);
  w.String(11556, kRunDescriptionSlotBytes, cell.runDescription);
  w.String(12580, 256, cell.fontName);
  w.String(12836, 64, cell.rangeAddress);
  w.String(12900, 132, cell.sheetName);
  return w.Take();
}

}  // namespace sim
