// A text element's string drawn into its box on the picture: in the faces that have
// its characters, on its baseline, turned with the box, underlined when asked.
#pragma once

#include <cairo.h>

#include <string>
#include <string_view>

#include "tools/quorvelle/TextFaces.h"

// Where the text goes, in pixels of the picture.
struct PictureTextBox {
  double x = 0, y = 0;  // the left-bottom corner
  double width = 0;     // along the baseline
  double height = 0;    // the text height: the height of its capitals
  double angle = 0;     // of the baseline, in radians, counterclockwise
  int just = 0;         // the text's justification, which places a text narrower than its box
};

struct PictureTextFont {
  std::string family;
  bool bold = false;
  bool italic = false;
  // The box was measured with this font's own advances: the text is stretched to its
  // width. Otherwise (measured a fixed width a character: a font that is not
  // installed here, or one without outlines) the face drawn keeps its proportions and
  // is made smaller, evenly, only when it would not fit.
  bool measured = true;
};

// Draws in the current source colour; underlineBelow is the underline's distance below
// the baseline in pixels, negative for none.
void DrawPictureText(cairo_t* cr, TextFaces& faces, const PictureTextFont& font, std::u16string_view text,
                     const PictureTextBox& box, double underlineBelow);
