// The installed face that stands in for a font a workbook names, when texts and digits
// are measured as Excel measures them on Windows.
#pragma once

#include <string>

namespace sim {

class CTrueTypeFace;

// Calibri's digits are 1038/2048 em wide: what is assumed when no font can be read.
inline constexpr double kCalibriDigitEms = 1038.0 / 2048.0;

// The face of the font when it is installed; else the face of the family fontconfig
// substitutes for it, as Windows maps a missing font to a similar one; else Calibri's.
// Bold takes the family's bold face when it has one. Null when none can be read.
CTrueTypeFace* MeasuringFace(const std::string& fontName, bool bold);

// Pixels per em at 96 dots per inch of a size in points, kept to the sizes Excel
// offers (1 to 409 points).
double PixelsPerEm(double points);

}  // namespace sim
