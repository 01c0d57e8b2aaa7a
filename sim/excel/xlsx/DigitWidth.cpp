#include "sim/excel/xlsx/DigitWidth.h"

#include <algorithm>
#include <cmath>

#include "sim/excel/xlsx/MeasuringFont.h"
#include "sim/fonts/TrueTypeFaces.h"

namespace sim {
namespace {

// The widest digit of a face in ems; 0 without a face or digits.
double WidestDigitEms(const CTrueTypeFace* face) { return face ? TrueTypeWidestDigitEms(*face) : 0; }

}  // namespace

int MaxDigitWidth(const std::string& fontName, double points) {
  double ems = WidestDigitEms(MeasuringFace(fontName, false));
  if (!(ems > 0)) ems = WidestDigitEms(MeasuringFace("Calibri", false));
  if (!(ems > 0)) ems = kCalibriDigitEms;
  return std::max(1, static_cast<int>(std::lround(ems * PixelsPerEm(points))));
}

}  // namespace sim
