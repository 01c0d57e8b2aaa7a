#include "sim/excel/xlsx/DigitWidth.h"

#include <algorithm>
#include <cmath>

#include "host/msfont.h"
#include "sim/Strings.h"
#include "sim/fonts/FontCatalog.h"
#include "sim/fonts/TrueTypeFaces.h"

namespace sim {
namespace {

// The widest digit of an installed font in ems; 0 when it is not installed or has no
// digits. Only installed fonts reach the face cache, so that workbooks naming endless
// fonts cannot grow it.
double WidestDigitEms(const std::string& fontName) {
  const std::u16string name = Utf8ToUtf16(fontName);
  if (!FindInstalledFont(FONTTYPE_TRUETYPE, name)) return 0;
  CTrueTypeFace* face = FindTrueTypeFace(name);
  return face ? TrueTypeWidestDigitEms(*face) : 0;
}

// Calibri's digits are 1038/2048 em wide: what is assumed when no font can be read.
constexpr double kCalibriDigitEms = 1038.0 / 2048.0;

}  // namespace

int MaxDigitWidth(const std::string& fontName, double points) {
  double ems = WidestDigitEms(fontName);
  if (!(ems > 0)) ems = WidestDigitEms("Calibri");
  if (!(ems > 0)) ems = kCalibriDigitEms;
  double pixelsPerEm = std::clamp(points, 1.0, 409.0) * 96.0 / 72.0;
  return std::max(1, static_cast<int>(std::lround(ems * pixelsPerEm)));
}

}  // namespace sim
