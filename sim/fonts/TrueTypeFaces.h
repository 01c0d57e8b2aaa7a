// The TrueType fonts' own glyph advances, read with FreeType from their font files.
// Each file is opened once and each character's advance read once; both are kept
// for the life of the process, so that measuring a text costs a look-up per
// character.
#pragma once

#include <string>
#include <string_view>

namespace sim {

class CTrueTypeFace;

// The face of the installed TrueType font of that name (ignoring case); null when
// no such font is installed or its file cannot be read as a scalable font.
CTrueTypeFace* FindTrueTypeFace(const std::u16string& fontName);

// The sum of the characters' advances in cap heights of the face: a text whose
// capitals are one unit high is this wide. Characters the font lacks take the
// advance of its missing-glyph box; the byte-order mark takes no room.
double TrueTypeAdvance(CTrueTypeFace& face, std::u16string_view text);

// The advance of the face's widest digit in ems (Excel sizes columns by it); 0 when
// the face has no digits.
double TrueTypeWidestDigitEms(const CTrueTypeFace& face);

}  // namespace sim
