#include "sim/fonts/TrueTypeFaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "host/msfont.h"
#include "sim/fonts/FontCatalog.h"

namespace sim {

class CTrueTypeFace {
 public:
  CTrueTypeFace(FT_Face face, double capHeight) : face_(face), capHeight_(capHeight) {}
  ~CTrueTypeFace() { FT_Done_Face(face_); }
  CTrueTypeFace(const CTrueTypeFace&) = delete;
  CTrueTypeFace& operator=(const CTrueTypeFace&) = delete;

  // The advance of one character in cap heights.
  double Advance(char32_t c) {
    auto known = advances_.find(c);
    if (known != advances_.end()) return known->second;
    FT_Fixed units = 0;
    if (FT_Get_Advance(face_, FT_Get_Char_Index(face_, c), FT_LOAD_NO_SCALE, &units) != 0) units = 0;
    return advances_[c] = static_cast<double>(units) / capHeight_;
  }

  // The advance of the widest of the digits 0-9 in ems; 0 when none has one.
  double WidestDigitEms() const {
    FT_Fixed most = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
      FT_Fixed units = 0;
      if (FT_Get_Advance(face_, FT_Get_Char_Index(face_, digit), FT_LOAD_NO_SCALE, &units) == 0)
        most = std::max(most, units);
    }
    return static_cast<double>(most) / face_->units_per_EM;
  }

 private:
  FT_Face face_;
  double capHeight_;  // font units
  std::unordered_map<char32_t, double> advances_;
};

namespace {

// The height of the face's capitals in font units: the OS/2 table's cap height when
// the font states one, else the outline height of H, else the em size.
double CapHeightUnits(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->version >= 2 && os2->sCapHeight > 0) return os2->sCapHeight;
  FT_UInt h = FT_Get_Char_Index(face, 'H');
  if (h != 0 && FT_Load_Glyph(face, h, FT_LOAD_NO_SCALE) == 0 && face->glyph->metrics.height > 0)
    return static_cast<double>(face->glyph->metrics.height);
  return face->units_per_EM;
}

class CFaceCache {
 public:
  CFaceCache() = default;
  CFaceCache(const CFaceCache&) = delete;
  CFaceCache& operator=(const CFaceCache&) = delete;
  ~CFaceCache() {
    // The faces go before the library that made them.
    byName_.clear();
    byFile_.clear();
    if (library_) FT_Done_FreeType(library_);
  }

  CTrueTypeFace* FindByName(const std::u16string& name) {
    auto known = byName_.find(name);
    if (known != byName_.end()) return known->second;
    const Font* font = FindInstalledFont(FONTTYPE_TRUETYPE, name);
    return byName_[name] = font && !font->GetFile().empty() ? FindByFile(font->GetFile()) : nullptr;
  }

 private:
  // Several names may stand for one file (Arial and Liberation Sans): it is opened once.
  CTrueTypeFace* FindByFile(const std::string& file) {
    auto known = byFile_.find(file);
    if (known != byFile_.end()) return known->second.get();
    return (byFile_[file] = Open(file)).get();
  }

  std::unique_ptr<CTrueTypeFace> Open(const std::string& file) {
    if (!library_ && FT_Init_FreeType(&library_) != 0) {
      library_ = nullptr;
      return nullptr;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), 0, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
      FT_Done_Face(face);
      return nullptr;
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    return std::make_unique<CTrueTypeFace>(face, CapHeightUnits(face));
  }

  FT_Library library_ = nullptr;
  std::unordered_map<std::string, std::unique_ptr<CTrueTypeFace>> byFile_;  // null: unreadable
  std::unordered_map<std::u16string, CTrueTypeFace*> byName_;
};

CFaceCache& Faces() {
  static CFaceCache cache;
  return cache;
}

}  // namespace

CTrueTypeFace* FindTrueTypeFace(const std::u16string& fontName) { return Faces().FindByName(fontName); }

double TrueTypeWidestDigitEms(const CTrueTypeFace& face) { return face.WidestDigitEms(); }

double TrueTypeAdvance(CTrueTypeFace& face, std::u16string_view text) {
  double total = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c == 0xFEFF) continue;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    total += face.Advance(c);
  }
  return total;
}

}  // namespace sim
