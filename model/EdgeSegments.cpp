#include "model/BorderSteps.h"
#include "model/CAutoBorder.h"

namespace {

// How far, in half gaps, an end moves along the line: +1 inwards (towards the other
// end), -1 outwards, 0 not at all.
using EndShift = int;

// A single line runs on to the far stroke of a double line across its end, and
// stops short at the near stroke where two or more double lines meet there.
EndShift SingleLineEnd(const CEdgeEndKinds& kinds) {
  const int sum = kinds.across + kinds.own + kinds.beyond;  // kinds are 0, 1 and 4
  if (sum >= 8) return 1;
  if ((sum == 4 || sum == 5) && kinds.beyond != kEdgeKindDouble) return -1;
  return 0;
}

// The stroke on the neighbour's side stops at a double line across the neighbour,
// and runs on to the outer stroke of a double line across the cell itself.
EndShift FirstStrokeEnd(const CEdgeEndKinds& kinds) {
  if (kinds.across == kEdgeKindDouble) return 1;
  if (kinds.beyond != kEdgeKindDouble && kinds.own == kEdgeKindDouble) return -1;
  return 0;
}

// The stroke on the cell's side stops at a double line across the cell, and runs
// on to the outer stroke of a double line across the neighbour.
EndShift SecondStrokeEnd(const CEdgeEndKinds& kinds) {
  if (kinds.own == kEdgeKindDouble) return 1;
  if (kinds.across == kEdgeKindDouble && kinds.beyond != kEdgeKindDouble) return -1;
  return 0;
}

DPoint3d Moved(const DPoint3d& p, const DPoint3d& direction, double distance) {
  return {p.x + direction.x * distance, p.y + direction.y * distance, p.z + direction.z * distance};
}

void Append(CAutoLine line, const CEdgePlace& place, double offset, EndShift startShift, EndShift endShift,
            double halfGap, int stroke, int row, int column, std::vector<CGridSegment>& out) {
  line.Start = Moved(Moved(place.start, place.towardsNeighbour, offset), place.along, startShift * halfGap);
  line.End = Moved(Moved(place.end, place.towardsNeighbour, offset), place.along, -endShift * halfGap);
  line.GridRow = row;
  line.GridColumn = column;
  out.push_back({std::move(line), stroke});
}

}  // namespace

void AddEdgeSegments(const CAutoBorder& edge, const CEdgePlace& place, const CEdgeEndKinds& atStart,
                     const CEdgeEndKinds& atEnd, double halfGap, int strokeOffset, int row, int column,
                     std::vector<CGridSegment>& out) {
  switch (edge.GetKind()) {
    case kEdgeKindNone:
      return;
    case kEdgeKindDouble: {
      // The strokes are plain lines in the edge's colour: the style of a double
      // line is the two strokes themselves.
      CAutoLine stroke;
      stroke.Color = edge.Color;
      Append(stroke, place, halfGap, FirstStrokeEnd(atStart), FirstStrokeEnd(atEnd), halfGap,
             strokeOffset + kStrokeFirst, row, column, out);
      Append(stroke, place, -halfGap, SecondStrokeEnd(atStart), SecondStrokeEnd(atEnd), halfGap,
             strokeOffset + kStrokeSecond, row, column, out);
      return;
    }
    default: {
      CAutoLine line;
      static_cast<CAutoBorder&>(line) = edge;
      line.Priority = 0;
      Append(std::move(line), place, 0, SingleLineEnd(atStart), SingleLineEnd(atEnd), halfGap,
             strokeOffset + kStrokeSingle, row, column, out);
      return;
    }
  }
}
