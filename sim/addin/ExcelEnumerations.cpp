#include "sim/addin/ExcelEnumerations.h"

#include <limits>
#include <vector>

#include "sim/addin/NamedValues.h"
#include "sim/excel/xlsx/XlsxColors.h"

namespace sim {
namespace {

constexpr int kXlMedium = -4138;
constexpr int kXlThick = 4;
constexpr int kXlHairline = 1;
constexpr int kXlContinuous = 1;
constexpr int kXlDash = -4115;
constexpr int kXlDot = -4118;
constexpr int kXlDouble = -4119;
constexpr int kXlDashDot = 4;
constexpr int kXlDashDotDot = 5;
constexpr int kXlSlantDashDot = 13;

constexpr Named<ExcelLineStyle> kBorderStyles[] = {
    {"thin", {kXlContinuous, kXlThin}},
    {"medium", {kXlContinuous, kXlMedium}},
    {"thick", {kXlContinuous, kXlThick}},
    {"double", {kXlDouble, kXlThick}},
    {"hair", {kXlContinuous, kXlHairline}},
    {"dotted", {kXlDot, kXlThin}},
    {"dashed", {kXlDash, kXlThin}},
    {"mediumDashed", {kXlDash, kXlMedium}},
    {"dashDot", {kXlDashDot, kXlThin}},
    {"mediumDashDot", {kXlDashDot, kXlMedium}},
    {"dashDotDot", {kXlDashDotDot, kXlThin}},
    {"mediumDashDotDot", {kXlDashDotDot, kXlMedium}},
    {"slantDashDot", {kXlSlantDashDot, kXlMedium}},
};

constexpr Named<int> kPatterns[] = {
    {"solid", 1},           {"darkGray", -4126},      {"mediumGray", -4125},   {"lightGray", -4124},
    {"gray125", 17},        {"gray0625", 18},         {"darkHorizontal", -4128}, {"darkVertical", -4166},
    {"darkDown", -4121},    {"darkUp", -4162},        {"darkGrid", 9},         {"darkTrellis", 10},
    {"lightHorizontal", 11}, {"lightVertical", 12},   {"lightDown", 13},       {"lightUp", 14},
    {"lightGrid", 15},      {"lightTrellis", 16},
};

constexpr Named<int> kUnderlines[] = {
    {"single", 2}, {"double", -4119}, {"singleAccounting", 4}, {"doubleAccounting", 5}};

constexpr int kXlLeft = -4131;
constexpr int kXlCenter = -4108;
constexpr int kXlRight = -4152;

constexpr Named<int> kHorizontal[] = {
    {"left", kXlLeft},      {"center", kXlCenter},   {"right", kXlRight},          {"fill", 5},
    {"justify", -4130},     {"centerContinuous", 7}, {"distributed", -4117},
};

constexpr Named<int> kVertical[] = {
    {"top", -4160}, {"center", kXlCenter}, {"bottom", -4107}, {"justify", -4130}, {"distributed", -4117}};

// Indexes 8 to 63 of the indexed colours are Excel's palette, ColorIndex 1 to 56.
constexpr int kFirstPaletteEntry = 8;
constexpr int kPaletteEntries = 56;

const std::vector<std::uint32_t>& DefaultIndexedColors() {
  static const std::vector<std::uint32_t> colors = WorkbookColors().indexed;
  return colors;
}

}  // namespace

ExcelLineStyle ExcelBorderStyle(std::string_view style) { return Lookup(kBorderStyles, style, ExcelLineStyle{}); }

int ExcelPattern(std::string_view patternType) { return Lookup(kPatterns, patternType, kXlNone); }

int ExcelUnderline(std::string_view underline) { return Lookup(kUnderlines, underline, kXlNone); }

int ExcelHorizontalAlignment(std::string_view horizontal, CellValueKind value) {
  if (horizontal != "general" && !horizontal.empty()) return Lookup(kHorizontal, horizontal, kXlLeft);
  switch (value) {
    case CellValueKind::Number:
      return kXlRight;
    case CellValueKind::Boolean:
    case CellValueKind::Error:
      return kXlCenter;
    default:
      return kXlLeft;
  }
}

int ExcelVerticalAlignment(std::string_view vertical) { return Lookup(kVertical, vertical, -4107); }

int ExcelOrientation(int textRotation) {
  switch (textRotation) {
    case 0:
      return -4128;  // xlHorizontal
    case 90:
      return -4171;  // xlUpward
    case 180:
      return -4170;  // xlDownward
    case 255:
      return -4166;  // xlVertical
    default:
      return textRotation > 90 && textRotation < 180 ? -(textRotation - 90) : textRotation;
  }
}

int ExcelColorIndex(std::uint32_t rgb) {
  const auto& colors = DefaultIndexedColors();
  auto channel = [](std::uint32_t c, int shift) { return static_cast<long>((c >> shift) & 0xFF); };
  int best = 1;
  long bestDistance = std::numeric_limits<long>::max();
  for (int i = 0; i < kPaletteEntries; ++i) {
    std::uint32_t entry = colors[kFirstPaletteEntry + i];
    long dr = channel(entry, 16) - channel(rgb, 16), dg = channel(entry, 8) - channel(rgb, 8),
         db = channel(entry, 0) - channel(rgb, 0);
    long distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i + 1;
    }
  }
  return best;
}

std::uint32_t PaletteColor(int indexed) {
  const auto& colors = DefaultIndexedColors();
  return indexed >= 0 && indexed < static_cast<int>(colors.size()) ? colors[indexed] : 0;
}

}  // namespace sim
