// The DrawingML properties of one drawing object: its geometry, line, fill and text,
// from the object's own shape properties and, where they say nothing, from its
// shape style's references into the theme.
#pragma once

#include <optional>
#include <string>

#include <pugixml.hpp>

#include "sim/excel/xlsx/DrawingData.h"
#include "sim/excel/xlsx/XlsxColors.h"

namespace sim {

struct XmlPart;

// The theme's fonts, which "+mn-lt" and "+mj-lt" name, and the font references of
// shape styles.
struct ThemeFonts {
  std::string major = "Calibri Light";
  std::string minor = "Calibri";
};
void ReadThemeFonts(const XmlPart& theme, ThemeFonts* fonts);

struct DrawingTheme {
  const WorkbookColors& colors;
  const ThemeFonts& fonts;
};

// Fills the object's rotation, flips, geometry, line, fill and text from its element
// (xdr:sp, xdr:cxnSp, xdr:pic). `groupFill` is the shape properties of the group
// the object belongs to, for a:grpFill.
void ReadShapeProperties(pugi::xml_node object, pugi::xml_node groupFill, const DrawingTheme& theme,
                         DrawingObjectData* data);

// xfrm's rot, flipH and flipV.
void ReadRotationAndFlips(pugi::xml_node xfrm, DrawingObjectData* data);

}  // namespace sim
