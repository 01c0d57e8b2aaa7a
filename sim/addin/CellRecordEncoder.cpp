#include "sim/addin/CellRecordEncoder.h"

#include "sim/addin/RecordWriter.h"

namespace sim {
namespace {

void Edge(RecordWriter& w, size_t offset, const EdgeDescription& edge, bool withPriority) {
  w.Int32(offset + kEdgeLineStyle, edge.lineStyle);
  w.Int32(offset + kEdgeWeight, edge.weight);
  w.Int32(offset + kEdgeColor, edge.color);
  if (withPriority) w.Byte(offset + kEdgePriority, edge.priority);
}

}  // namespace

std::vector<unsigned char> EncodeCellRecord(const CellDescription& cell) {
  std::vector<unsigned char> record;
  EncodeCellRecord(cell, record);
  return record;
}

void EncodeCellRecord(const CellDescription& cell, std::vector<unsigned char>& record) {
  RecordWriter w(record, kCellRecordSize);
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
  Edge(w, kEdgeBlockLeft, cell.leftEdge, true);
  Edge(w, kEdgeBlockTop, cell.topEdge, true);
  Edge(w, kEdgeBlockRight, cell.rightEdge, true);
  Edge(w, kEdgeBlockBottom, cell.bottomEdge, true);
  Edge(w, kEdgeBlockDiagonalDown, cell.diagonalDown, false);
  Edge(w, kEdgeBlockDiagonalUp, cell.diagonalUp, false);
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
