#include "sim/excel/xlsx/TextWidth.h"

#include <cmath>

#include "sim/Strings.h"
#include "sim/excel/xlsx/MeasuringFont.h"
#include "sim/fonts/TrueTypeFaces.h"

namespace sim {

long long TextWidthPixels(std::string_view utf8, const FontData& font) {
  const double pixelsPerEm = PixelsPerEm(font.size);
  const std::u16string text = Utf8ToUtf16(utf8);
  if (CTrueTypeFace* face = MeasuringFace(font.name, font.bold)) return TrueTypeTextPixels(*face, text, pixelsPerEm);
  long long characters = 0;
  for (char16_t unit : text) characters += (unit < 0xDC00 || unit > 0xDFFF) && unit != 0xFEFF;
  return characters * std::llround(kCalibriDigitEms * pixelsPerEm);
}

}  // namespace sim
