#include "sim/addin/ShapeEnumerations.h"

#include <cmath>

#include "automation/ShapeRecordLayout.h"
#include "sim/addin/NamedValues.h"

namespace sim {
namespace {

// MsoAutoShapeType of the presets Excel has a type for, in the type's order.
constexpr Named<int> kAutoShapeTypes[] = {
    {"rect", 1},
    {"parallelogram", 2},
    {"trapezoid", 3},
    {"diamond", 4},
    {"roundRect", 5},
    {"octagon", 6},
    {"triangle", 7},
    {"rtTriangle", 8},
    {"ellipse", 9},
    {"hexagon", 10},
    {"plus", 11},
    {"pentagon", 12},  // msoShapeRegularPentagon; homePlate is msoShapePentagon
    {"can", 13},
    {"cube", 14},
    {"bevel", 15},
    {"foldedCorner", 16},
    {"smileyFace", 17},
    {"donut", 18},
    {"noSmoking", 19},
    {"blockArc", 20},
    {"heart", 21},
    {"lightningBolt", 22},
    {"sun", 23},
    {"moon", 24},
    {"arc", 25},
    {"bracketPair", 26},
    {"bracePair", 27},
    {"plaque", 28},
    {"leftBracket", 29},
    {"rightBracket", 30},
    {"leftBrace", 31},
    {"rightBrace", 32},
    {"rightArrow", 33},
    {"leftArrow", 34},
    {"upArrow", 35},
    {"downArrow", 36},
    {"leftRightArrow", 37},
    {"upDownArrow", 38},
    {"quadArrow", 39},
    {"leftRightUpArrow", 40},
    {"bentArrow", 41},
    {"uturnArrow", 42},
    {"leftUpArrow", 43},
    {"bentUpArrow", 44},
    {"curvedRightArrow", 45},
    {"curvedLeftArrow", 46},
    {"curvedUpArrow", 47},
    {"curvedDownArrow", 48},
    {"stripedRightArrow", 49},
    {"notchedRightArrow", 50},
    {"homePlate", 51},
    {"chevron", 52},
    {"rightArrowCallout", 53},
    {"leftArrowCallout", 54},
    {"upArrowCallout", 55},
    {"downArrowCallout", 56},
    {"leftRightArrowCallout", 57},
    {"upDownArrowCallout", 58},
    {"quadArrowCallout", 59},
    {"circularArrow", 60},
    {"flowChartProcess", 61},
    {"flowChartAlternateProcess", 62},
    {"flowChartDecision", 63},
    {"flowChartInputOutput", 64},
    {"flowChartPredefinedProcess", 65},
    {"flowChartInternalStorage", 66},
    {"flowChartDocument", 67},
    {"flowChartMultidocument", 68},
    {"flowChartTerminator", 69},
    {"flowChartPreparation", 70},
    {"flowChartManualInput", 71},
    {"flowChartManualOperation", 72},
    {"flowChartConnector", 73},
    {"flowChartOffpageConnector", 74},
    {"flowChartPunchedCard", 75},
    {"flowChartPunchedTape", 76},
    {"flowChartSummingJunction", 77},
    {"flowChartOr", 78},
    {"flowChartCollate", 79},
    {"flowChartSort", 80},
    {"flowChartExtract", 81},
    {"flowChartMerge", 82},
    {"flowChartOnlineStorage", 83},
    {"flowChartDelay", 84},
    {"flowChartMagneticTape", 85},
    {"flowChartMagneticDisk", 86},
    {"flowChartMagneticDrum", 87},
    {"flowChartDisplay", 88},
    {"irregularSeal1", 89},
    {"irregularSeal2", 90},
    {"star4", 91},
    {"star5", 92},
    {"star8", 93},
    {"star16", 94},
    {"star24", 95},
    {"star32", 96},
    {"ribbon2", 97},
    {"ribbon", 98},
    {"ellipseRibbon2", 99},
    {"ellipseRibbon", 100},
    {"verticalScroll", 101},
    {"horizontalScroll", 102},
    {"wave", 103},
    {"doubleWave", 104},
    {"wedgeRectCallout", 105},
    {"wedgeRoundRectCallout", 106},
    {"wedgeEllipseCallout", 107},
    {"cloudCallout", 108},
};

// Excel's UI writes its "Round Dot" as sysDot and its "Square Dot" as sysDash, and
// reports them so; DrawingML's own "dot" (one on, three off) is left to
// msoLineSysDot, and sysDashDotDot, which has no system style of its own, to
// msoLineDashDotDot.
constexpr Named<int> kDashStyles[] = {
    {"solid", kMsoLineSolid},          {"sysDash", kMsoLineSquareDot}, {"sysDot", kMsoLineRoundDot},
    {"dash", kMsoLineDash},            {"dashDot", kMsoLineDashDot},   {"sysDashDotDot", kMsoLineDashDotDot},
    {"lgDash", kMsoLineLongDash},      {"lgDashDot", kMsoLineLongDashDot}, {"lgDashDotDot", 9},
    {"dot", 11},                       {"sysDashDot", 12},
};

constexpr Named<int> kArrowheadStyles[] = {
    {"none", kMsoArrowheadNone},       {"triangle", kMsoArrowheadTriangle}, {"arrow", kMsoArrowheadOpen},
    {"stealth", kMsoArrowheadStealth}, {"diamond", kMsoArrowheadDiamond},   {"oval", kMsoArrowheadOval},
};

constexpr Named<int> kArrowheadSizes[] = {
    {"sm", kMsoArrowheadShort}, {"med", kMsoArrowheadMedium}, {"lg", kMsoArrowheadLong}};

constexpr Named<int> kHorizontalAlignments[] = {
    {"l", -4131}, {"ctr", -4108}, {"r", -4152}, {"just", -4130}, {"justLow", -4130}, {"dist", -4117}, {"thaiDist", -4117}};
constexpr Named<int> kVerticalAlignments[] = {{"t", -4160}, {"ctr", -4108}, {"b", -4107}, {"just", -4130}, {"dist", -4117}};

// The guides behind adjustments 1 and 2 of a preset, with their defaults in
// DrawingML's units; `angles` when they are angles (60000ths of a degree).
struct AdjustmentGuides {
  std::string_view first;
  double firstDefault;
  std::string_view second;
  double secondDefault;
  bool angles = false;
};

constexpr Named<AdjustmentGuides> kAdjustmentGuides[] = {
    {"roundRect", {"adj", 16667, "", 0}},
    {"octagon", {"adj", 29289, "", 0}},
    {"hexagon", {"adj", 25000, "vf", 115470}},
    {"triangle", {"adj", 50000, "", 0}},
    {"parallelogram", {"adj", 25000, "", 0}},
    {"trapezoid", {"adj", 25000, "", 0}},
    {"plus", {"adj", 25000, "", 0}},
    {"can", {"adj", 25000, "", 0}},
    {"cube", {"adj", 25000, "", 0}},
    {"bevel", {"adj", 12500, "", 0}},
    {"foldedCorner", {"adj", 16667, "", 0}},
    {"donut", {"adj", 25000, "", 0}},
    {"sun", {"adj", 25000, "", 0}},
    {"moon", {"adj", 50000, "", 0}},
    {"plaque", {"adj", 16667, "", 0}},
    {"chevron", {"adj", 50000, "", 0}},
    {"homePlate", {"adj", 50000, "", 0}},
    {"rightArrow", {"adj1", 50000, "adj2", 50000}},
    {"leftArrow", {"adj1", 50000, "adj2", 50000}},
    {"upArrow", {"adj1", 50000, "adj2", 50000}},
    {"downArrow", {"adj1", 50000, "adj2", 50000}},
    {"leftRightArrow", {"adj1", 50000, "adj2", 50000}},
    {"upDownArrow", {"adj1", 50000, "adj2", 50000}},
    {"bentConnector3", {"adj1", 50000, "", 0}},
    {"bentConnector4", {"adj1", 50000, "adj2", 50000}},
    {"bentConnector5", {"adj1", 50000, "adj2", 50000}},
    {"arc", {"adj1", 16200000, "adj2", 0, true}},
    {"blockArc", {"adj1", 10800000, "adj2", 0, true}},
};

double Guide(const std::map<std::string, double>& guides, std::string_view name, double absent) {
  if (name.empty()) return absent;
  auto found = guides.find(std::string(name));
  return found == guides.end() ? absent : found->second;
}

// An angle in degrees within (-180, 180], as Excel gives an arc's.
double HalfTurn(double degrees) {
  double angle = std::fmod(degrees, 360);
  if (angle > 180) angle -= 360;
  if (angle <= -180) angle += 360;
  return angle;
}

}  // namespace

int AutoShapeTypeOf(std::string_view preset) { return Lookup(kAutoShapeTypes, preset, kMsoShapeNotPrimitive); }
int DashStyleOf(std::string_view dash) { return Lookup(kDashStyles, dash, kMsoLineSolid); }
int ArrowheadStyleOf(std::string_view type) { return Lookup(kArrowheadStyles, type, kMsoArrowheadNone); }
int ArrowheadSizeOf(std::string_view size) { return Lookup(kArrowheadSizes, size, kMsoArrowheadMedium); }
int TextHorizontalAlignmentOf(std::string_view align) { return Lookup(kHorizontalAlignments, align, -4131); }
int TextVerticalAlignmentOf(std::string_view anchor) { return Lookup(kVerticalAlignments, anchor, -4160); }

ShapeAdjustments AdjustmentsOf(std::string_view preset, const std::map<std::string, double>& guides) {
  const AdjustmentGuides* known = Find(kAdjustmentGuides, preset);
  if (!known) {
    // Presets not listed: the guides as the file gives them, fractions by default.
    return {Guide(guides, "adj", Guide(guides, "adj1", 0)) / 100000, Guide(guides, "adj2", 0) / 100000};
  }
  const double first = Guide(guides, known->first, known->firstDefault);
  const double second = Guide(guides, known->second, known->secondDefault);
  if (known->angles) return {HalfTurn(first / 60000), HalfTurn(second / 60000)};
  return {first / 100000, second / 100000};
}

}  // namespace sim
