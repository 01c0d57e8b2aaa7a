// The width of a line of text in a cell's font, as Excel measures it on the screen.
#pragma once

#include <string_view>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// In whole pixels at 96 dots per inch: the font's name, size and boldness measured
// with the face standing in for it (MeasuringFace), each character's advance rounded
// to whole pixels. Without any readable face every character is as wide as Calibri's
// digits. `utf8` is one line; a line break counts as a character.
long long TextWidthPixels(std::string_view utf8, const FontData& font);

}  // namespace sim
