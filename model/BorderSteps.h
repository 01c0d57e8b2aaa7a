// The steps of the border processing: closing the table with an extra column and
// row, turning each cell's left and top edges into segments, and joining the
// segments that continue each other along one line.
#pragma once

#include <vector>

#include "model/CAutoLine.h"
#include "support/Progress.h"

class CAutoBorder;
class CAutoCell;
class CQuorvelle;

// Two coordinates are the same when closer than this (points). Far below anything
// visible, far above the rounding of sums of column widths.
constexpr double kBorderPointTolerance = 1e-6;

// Which line of a cell's edge a segment is drawn on. A double edge gives two strokes
// and never joins a single line, and a column break adds the bottom line of a row
// to the row's top line; joining looks only along one stroke.
enum EBorderStroke {
  kStrokeSingle = 0,
  kStrokeFirst = 1,   // of a double edge: the stroke on the neighbour's side (left or above)
  kStrokeSecond = 2,  // of a double edge: the stroke on the cell's own side
  kStrokeBreakOffset = 3,  // added for the bottom line of a row before a column break
  kStrokeCount = 6,
};

struct CGridSegment {
  CAutoLine line;
  int stroke = kStrokeSingle;
};

// The segments of all cells, horizontal ones (row by row) and vertical ones.
struct CGridSegments {
  std::vector<CGridSegment> horizontal;
  std::vector<CGridSegment> vertical;
};

// The kinds (kEdgeKind...) of the edges that meet one end of a cell's edge.
struct CEdgeEndKinds {
  int across = 0;  // the neighbour's edge across the line at that end (left of the top edge, above the left edge)
  int own = 0;     // the cell's own edge across the line at that end
  int beyond = 0;  // the edge that continues the line past that end, in the next row or column
};

// Appends to every row a cell right of its last one, carrying that cell's right edge
// as its left edge, and then a row under the last row carrying its bottom edges as
// top edges: the table's right and bottom sides are then drawn like every other
// line, as left and top edges. The added cells stay in the table.
void AddClosingEdges(CQuorvelle& table);

// Whether the neighbour's edge on the line two cells share replaces the cell's own:
// by priority, or, between cells with hidden columns or rows between them (gap set),
// by the heavier line.
bool NeighbourEdgeTakesOver(const CAutoBorder& neighbourEdge, const CAutoBorder& ownEdge, bool hiddenBetween);

// Where a cell's edge lies.
struct CEdgePlace {
  DPoint3d start;             // the top end of a left edge, the left end of a top edge
  DPoint3d end;
  DPoint3d along;             // unit vector from start to end
  DPoint3d towardsNeighbour;  // unit vector from the line towards the neighbouring cell
};

// The segments of one edge: one for a single edge, two strokes `halfGap` either side
// of the line for a double one, their ends trimmed or extended by `halfGap` so that
// they meet the edges across the line at its ends. Strokes are numbered from
// `strokeOffset`; the segments carry the grid position of the cell.
void AddEdgeSegments(const CAutoBorder& edge, const CEdgePlace& place, const CEdgeEndKinds& atStart,
                     const CEdgeEndKinds& atEnd, double halfGap, int strokeOffset, int row, int column,
                     std::vector<CGridSegment>& out);

// The segments of every cell's left and top edges (and bottom edges before column
// breaks), reporting each cell to `progress` when given.
CGridSegments ParseCellEdges(const CQuorvelle& table, double halfGap, CProgress* progress);

// Joins the segments that continue each other and appends the result.
void JoinGridSegments(CGridSegments& segments, std::vector<CAutoLine>& out, CProgress* progress);
