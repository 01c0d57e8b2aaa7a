// The TrueType fonts' own glyph advances, read with FreeType from their font files.
// Each file is opened once and the advances of the characters met are kept (up to a
// bound per face) for the life of the process, so that measuring a text costs a
// look-up per character. Only installed fonts are opened, so that names read from
// files cannot grow what is kept. Safe to call from several threads.
#pragma once

#include <string>
#include <string_view>

namespace sim {

class CTrueTypeFace;

// The face of the installed TrueType font of that name (ignoring case); null when
// no such font is installed or its file cannot be read as a scalable font.
CTrueTypeFace* FindTrueTypeFace(const std::u16string& fontName);
// The same, bold: the upright bold face of the font's family when one is installed,
// else its regular face.
CTrueTypeFace* FindTrueTypeFace(const std::u16string& fontName, bool bold);

// The sum of the characters' advances in cap heights of the face: a text whose
// capitals are one unit high is this wide. Characters the font lacks take the
// advance of its missing-glyph box; the byte-order mark takes no room.
double TrueTypeAdvance(CTrueTypeFace& face, std::u16string_view text);

// The width of a line of text in whole pixels at that many pixels per em, as Windows
// lays out a line for the screen: each character's advance rounded to whole pixels,
// then summed. Missing characters and the byte-order mark as in TrueTypeAdvance.
long long TrueTypeTextPixels(CTrueTypeFace& face, std::u16string_view text, double pixelsPerEm);

// The advance of the face's widest digit in ems (Excel sizes columns by it); 0 when
// the face has no digits.
double TrueTypeWidestDigitEms(const CTrueTypeFace& face);

}  // namespace sim
