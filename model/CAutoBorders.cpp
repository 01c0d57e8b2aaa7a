#include "model/CAutoBorders.h"

#include "model/ExcelConstants.h"

namespace {

int EdgePosition(int excelBorderIndex) {
  switch (excelBorderIndex) {
    case xlDiagonalDown: return kEdgeDiagonalDown;
    case xlDiagonalUp: return kEdgeDiagonalUp;
    case xlEdgeTop: return kEdgeTop;
    case xlEdgeBottom: return kEdgeBottom;
    case xlEdgeLeft: return kEdgeLeft;
    case xlEdgeRight: return kEdgeRight;
    default: return -1;
  }
}

}  // namespace

CAutoBorder* CAutoBorders::GetBorder(int excelBorderIndex) {
  int position = EdgePosition(excelBorderIndex);
  return position < 0 ? nullptr : &Edges[position];
}

const CAutoBorder* CAutoBorders::GetBorder(int excelBorderIndex) const {
  int position = EdgePosition(excelBorderIndex);
  return position < 0 ? nullptr : &Edges[position];
}

int CAutoBorders::GetBorderKind(int excelBorderIndex) const {
  const CAutoBorder* edge = GetBorder(excelBorderIndex);
  return edge ? edge->GetKind() : kEdgeKindNone;
}
