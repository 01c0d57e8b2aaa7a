#include "model/BorderSteps.h"
#include "model/CAutoBorder.h"
#include "model/ExcelConstants.h"

namespace {

// Excel draws both edges of cells that hidden columns or rows separate on one line;
// the one that shows is the heavier: a double line, then the greater weight, then a
// continuous line. An edge without a border is no line at all: it never covers one.
bool HeavierLine(const CAutoBorder& neighbourEdge, const CAutoBorder& ownEdge) {
  if (neighbourEdge.GetKind() == kEdgeKindNone) return false;
  if (ownEdge.GetKind() == kEdgeKindNone) return true;
  const bool neighbourDouble = neighbourEdge.LineStyle == xlDouble;
  const bool ownDouble = ownEdge.LineStyle == xlDouble;
  if (neighbourDouble != ownDouble) return neighbourDouble;
  const unsigned neighbourWeight = static_cast<unsigned>(neighbourEdge.LineWeight);
  const unsigned ownWeight = static_cast<unsigned>(ownEdge.LineWeight);
  if (neighbourWeight != ownWeight) return neighbourWeight > ownWeight;
  return neighbourEdge.LineStyle == xlContinuous && ownEdge.LineStyle != xlContinuous;
}

}  // namespace

bool NeighbourEdgeTakesOver(const CAutoBorder& neighbourEdge, const CAutoBorder& ownEdge, bool hiddenBetween) {
  if (ownEdge.Priority < neighbourEdge.Priority) return true;
  return hiddenBetween && HeavierLine(neighbourEdge, ownEdge);
}
