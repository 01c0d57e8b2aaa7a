// The add-in's side of the cell record: one cell of a range as the bytes the add-in
// sends, laid out as automation/CellRecordLayout.h says.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "automation/CellRecordLayout.h"

namespace sim {

// One edge as Excel reports it. The diagonals carry no priority.
struct EdgeDescription {
  int lineStyle = -4142;  // xlLineStyleNone
  int weight = 2;         // xlThin
  int color = 0;
  unsigned char priority = 0;
};

struct CellDescription {
  double left = 0, top = 0, width = 0, height = 0;
  double layoutWidth = 0, layoutHeight = 0;  // the merged area's size, else the cell's
  double fontSize = 10;
  int orientation = -4128;
  int indentLevel = 0;
  int horizontalAlignment = 1;  // xlGeneral
  int verticalAlignment = -4107;
  int fillColor = 0xFFFFFF;
  int fillColorIndex = -4142;
  int pattern = -4142;
  int patternColor = 0;
  int underline = -4142;
  int fontColor = 0;
  bool wrapText = false;
  bool bold = false;
  bool italic = false;
  EdgeDescription leftEdge, topEdge, rightEdge, bottomEdge;
  EdgeDescription diagonalDown, diagonalUp;
  std::string address;  // empty: a placeholder record
  std::string mergeAddress;
  std::u16string text;  // without a byte-order mark
  std::string textInfo1, textInfo2;
  std::string runDescription;
  std::string fontName = "Arial";
  std::string rangeAddress;
  std::string sheetName;
};

// Strings too long for their slot are cut so that the terminating NUL still fits.
std::vector<unsigned char> EncodeCellRecord(const CellDescription& cell);
// The same into `record`, whose room is used again: a range of many cells is encoded
// one record after another without a new buffer for each.
void EncodeCellRecord(const CellDescription& cell, std::vector<unsigned char>& record);

}  // namespace sim
