// Where a text's characters lie: the box of a text element from its string, size,
// font and justification, and the line layout of text nodes. Storage units.
#pragma once

#include <string_view>
#include <vector>

#include "sim/dgn/DgnModel.h"

namespace sim {

// Width of the string at the text size in the font (a font number of the active
// design file): the sum of the characters' advances. A TrueType font's advances are
// its glyphs' own, in cap heights of the font times the text width; resource and
// SHX fonts, and fonts not installed here, have a fixed advance of one text width
// per character. The byte-order mark takes no room.
double TextAdvance(UInt32 font, std::u16string_view text, double width, double height);

// The five-point box of a text element (left-bottom, right-bottom, right-top,
// left-top, left-bottom).
void TextBox(DPoint3d box[5], const MSElement& text);
// The box round all lines of a text node, in the node's direction.
void TextNodeBox(DPoint3d box[5], const ElementNode& node);

// The left-bottom points of the lines of a node of the given line widths, justified
// as a block at the node's origin.
std::vector<DPoint3d> NodeLineOrigins(const MSElement& node, const std::vector<double>& lineWidths);

// Justification code split into column (0 left, 1 centre, 2 right) and row (0 top,
// 1 centre, 2 bottom).
int JustColumn(int just);
int JustRow(int just);

}  // namespace sim
