// The six edges of a cell, in a fixed order, and the column-break flag of the split
// of rows into columns.
#pragma once

#include <array>

#include "model/CAutoBorder.h"

// Positions of the edges in CAutoBorders::Edges.
constexpr int kEdgeDiagonalDown = 0;
constexpr int kEdgeDiagonalUp = 1;
constexpr int kEdgeTop = 2;
constexpr int kEdgeBottom = 3;
constexpr int kEdgeLeft = 4;
constexpr int kEdgeRight = 5;

class CAutoBorders : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CAutoBorders"; }

  // The edge of Excel's border index (xlDiagonalDown ... xlEdgeRight), or none.
  CAutoBorder* GetBorder(int excelBorderIndex);
  const CAutoBorder* GetBorder(int excelBorderIndex) const;
  // The kind of that edge; an index that names no edge has no border.
  int GetBorderKind(int excelBorderIndex) const;

  std::array<CAutoBorder, 6> Edges;
  unsigned char ColumnBreakAfter = 0;  // the row below starts a new column of the split table
};
