#include "model/CAutoBorder.h"

#include "model/ExcelConstants.h"
#include "settings/QuorvelleSetup.h"
#include "support/TextCompare.h"

namespace {

struct LineStyleName {
  int lineStyle;
  const char* styleName;
  int lineCode;  // -1: the line code stays as it was
};

const LineStyleName kLineStyleNames[] = {
    {xlContinuous, "CONTINUOUS", 0}, {xlDash, "DASHED", 3},     {xlDot, "DOT", 1},
    {xlDashDot, "DASHDOT", 4},       {xlDashDotDot, "DIVIDE", 6}, {xlDouble, "Double", -1},
    // No slanted line style exists to draw: the nearest, a medium dash-dot, rather
    // than no border at all.
    {xlSlantDashDot, "DASHDOT", 4},
};

}  // namespace

void CAutoBorder::DeriveStyle(const QuorvelleSetup& setup) {
  switch (Weight) {
    case xlThin: LineWeight = setup.BorderThinWeight; break;
    case xlMedium: LineWeight = setup.BorderMediumWeight; break;
    case xlThick: LineWeight = setup.BorderThickWeight; break;
    default: LineWeight = 0; break;
  }
  if (LineStyle == xlSlantDashDot) LineWeight = setup.BorderMediumWeight;
  for (const LineStyleName& entry : kLineStyleNames)
    if (entry.lineStyle == LineStyle) {
      StyleName = entry.styleName;
      if (entry.lineCode >= 0) LineCode = entry.lineCode;
      return;
    }
}

int CAutoBorder::GetKind() const {
  if (StyleName.empty()) return kEdgeKindNone;
  return EqualsNoCase(StyleName, "Double") ? kEdgeKindDouble : kEdgeKindSingle;
}
