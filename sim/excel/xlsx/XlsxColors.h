// Colours of a workbook: its theme colours, its indexed palette, and the tint that
// lightens or darkens either of them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <pugixml.hpp>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

struct XmlPart;

struct WorkbookColors {
  // In Excel's theme index order: lt1, dk1, lt2, dk2, accent1-6, hlink, folHlink.
  std::array<std::uint32_t, 12> theme;
  // The palette indexed colours refer to: the file's own or Excel's default.
  std::vector<std::uint32_t> indexed;

  WorkbookColors();  // Office theme, default palette
};

// The colours of xl/theme/theme1.xml; colours the theme lacks keep their defaults.
void ReadThemeColors(const XmlPart& theme, WorkbookColors* colors);
// <colors><indexedColors> of styles.xml, when present.
void ReadIndexedColors(pugi::xml_node stylesheet, WorkbookColors* colors);

// A colour element (<color>, <fgColor>, ...); a null node gives an absent colour.
ColorData ReadColor(pugi::xml_node element, const WorkbookColors& colors);

// A colour of a drawing: RGB and its opacity (1 opaque, 0 clear).
struct DrawingColor {
  std::uint32_t rgb = 0;
  double alpha = 1;
};

// The DrawingML colour element among the children of `parent` (srgbClr, schemeClr,
// sysClr, prstClr, scrgbClr) with its lumMod, lumOff, shade, tint and alpha applied;
// phClr, the colour a shape style hands to its reference, stands for `placeholder`.
// None when `parent` holds no colour that can be resolved.
std::optional<DrawingColor> ReadDrawingColor(pugi::xml_node parent, const WorkbookColors& colors,
                                             std::optional<std::uint32_t> placeholder = std::nullopt);

// Lightens (tint > 0) or darkens (tint < 0) a colour in HLS space, as Excel does.
std::uint32_t ApplyTint(std::uint32_t rgb, double tint);

}  // namespace sim
