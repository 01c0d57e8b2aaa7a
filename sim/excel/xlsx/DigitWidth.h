// The maximum digit width of a font: the unit in which Excel measures column widths.
#pragma once

#include <string>

namespace sim {

// The widest of the digits 0-9 of the font at that size in points, in whole pixels
// at 96 dots per inch, measured from the installed font, or the font standing in for
// it (MeasuringFace). Calibri 11 gives 7.
int MaxDigitWidth(const std::string& fontName, double points);

}  // namespace sim
