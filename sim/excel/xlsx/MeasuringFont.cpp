#include "sim/excel/xlsx/MeasuringFont.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "host/msfont.h"
#include "sim/Strings.h"
#include "sim/fonts/FontCatalog.h"
#include "sim/fonts/TrueTypeFaces.h"

namespace sim {
namespace {

// Workbooks may name any number of fonts of any length. Asking fontconfig takes a
// tenth of a millisecond, so the answers are remembered, but for no more than this
// many names (all forgotten when the table is full), each no longer than this; a
// longer name is no font Windows could have and is measured as Calibri.
constexpr std::size_t kMaxRememberedNames = 4096;
constexpr std::size_t kMaxFontNameBytes = 255;

// The family fontconfig offers in place of a font name; empty when it offers none.
// The name goes in as one family, not through FcNameParse, so that a name holding
// ',', ':' or '-' is not read as a list of families or properties.
std::string SubstituteFamily(const std::string& fontName) {
  FcConfig* config = FontConfiguration();
  FcPattern* pattern = config ? FcPatternCreate() : nullptr;
  if (!pattern) return "";
  std::string family;
  if (FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(fontName.c_str())) &&
      FcConfigSubstitute(config, pattern, FcMatchPattern)) {
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
      FcChar8* name = nullptr;
      if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
        family = reinterpret_cast<const char*>(name);
      FcPatternDestroy(match);
    }
  }
  FcPatternDestroy(pattern);
  return family;
}

CTrueTypeFace* InstalledFace(const std::string& fontName, bool bold) {
  if (fontName.empty()) return nullptr;
  std::u16string name = Utf8ToUtf16(fontName);
  return FindInstalledFont(FONTTYPE_TRUETYPE, name) ? FindTrueTypeFace(name, bold) : nullptr;
}

CTrueTypeFace* LookUp(const std::string& fontName, bool bold) {
  if (CTrueTypeFace* face = InstalledFace(fontName, bold)) return face;
  // No name (or one too long to be a font's) names no font to stand in for.
  if (fontName.empty()) return InstalledFace("Calibri", bold);
  if (CTrueTypeFace* face = InstalledFace(SubstituteFamily(fontName), bold)) return face;
  return InstalledFace("Calibri", bold);
}

}  // namespace

CTrueTypeFace* MeasuringFace(const std::string& fontName, bool bold) {
  static std::mutex mutex;
  static std::map<std::pair<std::string, bool>, CTrueTypeFace*> remembered;
  std::lock_guard<std::mutex> lock(mutex);
  auto key = std::make_pair(fontName.size() > kMaxFontNameBytes ? std::string() : fontName, bold);
  if (auto known = remembered.find(key); known != remembered.end()) return known->second;
  if (remembered.size() >= kMaxRememberedNames) remembered.clear();
  return remembered[key] = LookUp(key.first, bold);
}

double PixelsPerEm(double points) {
  if (!(points >= 1)) points = 1;  // NaN too
  return std::min(points, 409.0) * 96.0 / 72.0;
}

}  // namespace sim
