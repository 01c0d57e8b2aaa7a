#include "sim/fonts/TrueTypeFaces.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

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
  double Advance(char32_t c) { return static_cast<double>(AdvanceUnits(c)) / capHeight_; }
  // The advance of one character in ems.
  double AdvanceEms(char32_t c) { return static_cast<double>(AdvanceUnits(c)) / face_->units_per_EM; }

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

  const char* FamilyName() const { return face_->family_name; }

 private:
  // A text may hold any of a million characters: past this many the advances are read
  // each time rather than kept.
  static constexpr std::size_t kMaxKeptAdvances = 4096;

  FT_Fixed AdvanceUnits(char32_t c) {
    auto known = advances_.find(c);
    if (known != advances_.end()) return known->second;
    FT_Fixed units = 0;
    if (FT_Get_Advance(face_, FT_Get_Char_Index(face_, c), FT_LOAD_NO_SCALE, &units) != 0) units = 0;
    if (advances_.size() < kMaxKeptAdvances) advances_.emplace(c, units);
    return units;
  }

  FT_Face face_;
  double capHeight_;  // font units
  std::unordered_map<char32_t, FT_Fixed> advances_;  // font units
};

namespace {

// FreeType faces are not to be used from two threads at once, nor the caches below.
std::mutex& FacesMutex() {
  static std::mutex mutex;
  return mutex;
}

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

// The file of the upright bold face of normal width of a family, as fontconfig lists
// the installed faces; empty when the family has none.
std::string BoldFileOf(const char* family) {
  FcConfig* config = FontConfiguration();
  if (!config || !family || !*family) return "";
  FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, FC_WEIGHT, FcTypeInteger,
                                      FC_WEIGHT_BOLD, FC_SLANT, FcTypeInteger, FC_SLANT_ROMAN, FC_WIDTH,
                                      FcTypeInteger, FC_WIDTH_NORMAL, nullptr);
  if (!pattern) return "";
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_FONTFORMAT, nullptr);
  FcFontSet* set = objects ? FcFontList(config, pattern, objects) : nullptr;
  std::string file;
  for (int i = 0; set && i < set->nfont && file.empty(); ++i) {
    FcChar8 *path = nullptr, *format = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &path) != FcResultMatch) continue;
    if (FcPatternGetString(set->fonts[i], FC_FONTFORMAT, 0, &format) == FcResultMatch) {
      std::string kind = reinterpret_cast<const char*>(format);
      if (kind != "TrueType" && kind != "CFF") continue;
    }
    file = reinterpret_cast<const char*>(path);
  }
  if (set) FcFontSetDestroy(set);
  if (objects) FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return file;
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

  // Keyed by the installed font's own spelling, so that the keys are no more than
  // the installed fonts whatever names are asked for.
  CTrueTypeFace* FindByName(const std::u16string& name, bool bold) {
    const Font* font = FindInstalledFont(FONTTYPE_TRUETYPE, name);
    if (!font || font->GetFile().empty()) return nullptr;
    auto key = std::make_pair(std::u16string(font->GetName()), bold);
    auto known = byName_.find(key);
    if (known != byName_.end()) return known->second;
    CTrueTypeFace* face = FindByFile(font->GetFile());
    if (bold && face) {
      std::string boldFile = BoldFileOf(face->FamilyName());
      if (CTrueTypeFace* boldFace = boldFile.empty() ? nullptr : FindByFile(boldFile)) face = boldFace;
    }
    return byName_[key] = face;
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
  std::map<std::pair<std::u16string, bool>, CTrueTypeFace*> byName_;
};

CFaceCache& Faces() {
  static CFaceCache cache;
  return cache;
}

// Calls visit with each character of a UTF-16 text but the byte-order mark.
template <typename Visit>
void ForEachCharacter(std::u16string_view text, Visit visit) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c == 0xFEFF) continue;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    visit(c);
  }
}

}  // namespace

CTrueTypeFace* FindTrueTypeFace(const std::u16string& fontName) { return FindTrueTypeFace(fontName, false); }

CTrueTypeFace* FindTrueTypeFace(const std::u16string& fontName, bool bold) {
  std::lock_guard<std::mutex> lock(FacesMutex());
  return Faces().FindByName(fontName, bold);
}

double TrueTypeWidestDigitEms(const CTrueTypeFace& face) {
  std::lock_guard<std::mutex> lock(FacesMutex());
  return face.WidestDigitEms();
}

double TrueTypeAdvance(CTrueTypeFace& face, std::u16string_view text) {
  std::lock_guard<std::mutex> lock(FacesMutex());
  double total = 0;
  ForEachCharacter(text, [&](char32_t c) { total += face.Advance(c); });
  return total;
}

long long TrueTypeTextPixels(CTrueTypeFace& face, std::u16string_view text, double pixelsPerEm) {
  std::lock_guard<std::mutex> lock(FacesMutex());
  long long total = 0;
  ForEachCharacter(text, [&](char32_t c) { total += std::llround(face.AdvanceEms(c) * pixelsPerEm); });
  return total;
}

}  // namespace sim
