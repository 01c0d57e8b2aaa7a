#include "sim/excel/xlsx/DigitWidth.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "host/msfont.h"
#include "sim/Strings.h"
#include "sim/fonts/FontCatalog.h"

namespace sim {
namespace {

// The widest digit's advance in ems, read from the font file.
std::optional<double> WidestDigitInEms(const std::string& file) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return std::nullopt;
  std::optional<double> widest;
  FT_Face face = nullptr;
  if (FT_New_Face(library, file.c_str(), 0, &face) == 0) {
    if (FT_IS_SCALABLE(face) && face->units_per_EM > 0) {
      FT_Select_Charmap(face, FT_ENCODING_UNICODE);
      FT_Fixed most = 0;
      for (char digit = '0'; digit <= '9'; ++digit) {
        FT_Fixed units = 0;
        if (FT_Get_Advance(face, FT_Get_Char_Index(face, digit), FT_LOAD_NO_SCALE, &units) == 0)
          most = std::max(most, units);
      }
      if (most > 0) widest = static_cast<double>(most) / face->units_per_EM;
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return widest;
}

std::optional<double> MeasuredEms(const std::string& fontName) {
  static std::mutex lock;
  static std::map<std::string, std::optional<double>> known;
  std::lock_guard<std::mutex> guard(lock);
  auto found = known.find(fontName);
  if (found != known.end()) return found->second;
  const Font* font = FindInstalledFont(FONTTYPE_TRUETYPE, Utf8ToUtf16(fontName));
  if (!font || font->GetFile().empty()) return std::nullopt;
  // Only installed fonts are kept, so that workbooks naming endless fonts cannot
  // grow the table.
  std::optional<double> ems = WidestDigitInEms(font->GetFile());
  known.emplace(fontName, ems);
  return ems;
}

// Calibri's digits are 1038/2048 em wide: what is assumed when no font can be read.
constexpr double kCalibriDigitEms = 1038.0 / 2048.0;

}  // namespace

int MaxDigitWidth(const std::string& fontName, double points) {
  std::optional<double> ems = MeasuredEms(fontName);
  if (!ems) ems = MeasuredEms("Calibri");
  double pixelsPerEm = std::clamp(points, 1.0, 409.0) * 96.0 / 72.0;
  return std::max(1, static_cast<int>(std::lround(ems.value_or(kCalibriDigitEms) * pixelsPerEm)));
}

}  // namespace sim
