#include "tools/quorvelle/PlotPens.h"

namespace {

// A plot's pen table commonly gives weight w (w + 1) x 0.18 mm: weight 0, the thin
// border of a table, comes out near Excel's thin line, and the medium and thick
// borders (weights 2 and 4) near Excel's 1.5 and 2.25 points.
constexpr double kMillimetresPerWeightStep = 0.18;
constexpr double kPointsPerMillimetre = 72 / 25.4;

}  // namespace

double WeightThicknessPoints(std::uint32_t weight) {
  // Weights past 31 are none a line has of its own (0xFFFFFFFF takes its level's):
  // drawn as the thinnest.
  return (weight < 32 ? weight + 1 : 1) * kMillimetresPerWeightStep * kPointsPerMillimetre;
}

const double* LineCodeDashesPoints(int style, int* count) {
  // MicroStation's standard line codes 1 to 7: dotted, medium dashed, long dashed,
  // dot-dash, short dashed, dash-dot-dot and long dash-short dash.
  static const double dot[] = {0.75, 1.5};
  static const double medium[] = {3, 2};
  static const double longDash[] = {6, 2.5};
  static const double dotDash[] = {4, 1.5, 0.75, 1.5};
  static const double shortDash[] = {1.5, 1.5};
  static const double dashDotDot[] = {4, 1.5, 0.75, 1.5, 0.75, 1.5};
  static const double longShort[] = {6, 1.5, 2, 1.5};
  static const double* const dashes[] = {nullptr, dot, medium, longDash, dotDash, shortDash, dashDotDot, longShort};
  static const int counts[] = {0, 2, 2, 2, 4, 2, 6, 4};
  const int code = style >= 0 && style < 8 ? style : 0;
  *count = counts[code];
  return dashes[code];
}
