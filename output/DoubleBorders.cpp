#include "output/DoubleBorders.h"

#include "model/CAutoBorders.h"
#include "settings/QuorvelleSetup.h"

bool IsDoubleEdge(const CAutoBorders& borders, int position) {
  return borders.Edges[position].GetKind() == kEdgeKindDouble;
}

double HalfDoubleLineGap() { return currentOptionSet ? currentOptionSet->doubleLineGap / 2.0 : 0.0; }
