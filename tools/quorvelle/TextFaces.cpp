#include "tools/quorvelle/TextFaces.h"

#include <cairo-ft.h>

#include "sim/Strings.h"
#include "sim/fonts/FontCatalog.h"

namespace {

// The room of a space character in ems, or -1 for any other character. A space that
// no installed face has needs no glyph: it is left blank rather than drawn as a box.
double SpaceEms(FcChar32 c) {
  switch (c) {
    case 0x3000:  // the ideographic space of East Asian texts
    case 0x2001:
    case 0x2003: return 1;
    case 0x2000:
    case 0x2002: return 0.5;
    case 0x2004: return 1.0 / 3;
    case 0x2005: return 0.25;
    case 0x2006: return 1.0 / 6;
    case 0x2009: return 0.2;
    case 0x200A: return 0.1;
    case 0x200B: return 0;
    case 0x0020:
    case 0x00A0:
    case 0x2007:
    case 0x2008:
    case 0x202F:
    case 0x205F: return 0.25;
    default: return -1;
  }
}

void AppendUtf8(std::string& s, FcChar32 c) {
  FcChar8 bytes[8];
  const int n = FcUcs4ToUtf8(c, bytes);
  s.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
}

}  // namespace

struct TextFaces::Family {
  FcPattern* request = nullptr;  // the family and style, with fontconfig's substitutions
  FcCharSet* charset = nullptr;  // of the matched face, held by its pattern
  FcPattern* match = nullptr;
  FcFontSet* sorted = nullptr;  // the fallback faces, read at the first character the face lacks
  cairo_font_face_t* face = nullptr;
  std::map<FcChar32, cairo_font_face_t*> fallback;  // null: no face has the character

  ~Family() {
    if (sorted) FcFontSetDestroy(sorted);
    if (match) FcPatternDestroy(match);
    if (request) FcPatternDestroy(request);
  }
};

TextFaces::TextFaces() = default;

TextFaces::~TextFaces() {
  families_.clear();
  for (auto& [key, face] : faces_) cairo_font_face_destroy(face);
}

TextFaces::Family& TextFaces::FamilyOf(const std::string& family, bool bold, bool italic) {
  const std::string key = family + (bold ? "|b" : "|") + (italic ? "i" : "");
  std::unique_ptr<Family>& f = families_[key];
  if (f) return *f;
  f = std::make_unique<Family>();
  f->request = FcPatternCreate();
  FcPatternAddString(f->request, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(f->request, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(f->request, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(f->request, FC_OUTLINE, FcTrue);
  FcConfigSubstitute(sim::FontConfiguration(), f->request, FcMatchPattern);
  FcDefaultSubstitute(f->request);
  FcResult result = FcResultNoMatch;
  f->match = FcFontMatch(sim::FontConfiguration(), f->request, &result);
  if (f->match) {
    f->face = FaceOfFont(f->match);
    if (FcPatternGetCharSet(f->match, FC_CHARSET, 0, &f->charset) != FcResultMatch) f->charset = nullptr;
  } else {
    // No font at all: cairo's own choice, which then draws every character.
    const std::string toyKey = "toy|" + key;
    cairo_font_face_t*& toy = faces_[toyKey];
    if (!toy)
      toy = cairo_toy_font_face_create(family.c_str(), italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                       bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    f->face = toy;
  }
  return *f;
}

cairo_font_face_t* TextFaces::FaceOfFont(FcPattern* font) {
  FcChar8* file = nullptr;
  int index = 0;
  FcBool embolden = FcFalse;
  FcMatrix* matrix = nullptr;
  FcPatternGetString(font, FC_FILE, 0, &file);
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
  // A style the family lacks is made by emboldening or slanting its regular face.
  const bool slanted = FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix && matrix->xy != 0;
  const std::string key = std::string(file ? reinterpret_cast<const char*>(file) : "") + "#" + std::to_string(index) +
                          (embolden ? "b" : "") + (slanted ? "i" : "");
  cairo_font_face_t*& face = faces_[key];
  if (!face) face = cairo_ft_font_face_create_for_pattern(font);
  return face;
}

cairo_font_face_t* TextFaces::Fallback(Family& f, FcChar32 c) {
  auto known = f.fallback.find(c);
  if (known != f.fallback.end()) return known->second;
  cairo_font_face_t* face = nullptr;
  if (!f.sorted) {
    FcResult result = FcResultNoMatch;
    f.sorted = FcFontSort(sim::FontConfiguration(), f.request, FcTrue, nullptr, &result);
  }
  for (int i = 0; f.sorted && i < f.sorted->nfont && !face; ++i) {
    FcCharSet* has = nullptr;
    if (FcPatternGetCharSet(f.sorted->fonts[i], FC_CHARSET, 0, &has) != FcResultMatch || !FcCharSetHasChar(has, c))
      continue;
    FcPattern* font = FcFontRenderPrepare(sim::FontConfiguration(), f.request, f.sorted->fonts[i]);
    if (!font) continue;
    face = FaceOfFont(font);  // cairo keeps a copy of what it needs
    FcPatternDestroy(font);
  }
  f.fallback[c] = face;
  return face;
}

cairo_font_face_t* TextFaces::Face(const std::string& family, bool bold, bool italic) {
  return FamilyOf(family, bold, italic).face;
}

std::vector<TextRun> TextFaces::Split(const std::string& family, bool bold, bool italic, std::u16string_view text) {
  Family& f = FamilyOf(family, bold, italic);
  std::vector<TextRun> runs;
  for (const FcChar32 c : sim::Utf16ToCodePoints(text)) {
    cairo_font_face_t* face = f.face;
    double blank = -1;
    if (f.charset && !FcCharSetHasChar(f.charset, c)) {
      if (cairo_font_face_t* other = Fallback(f, c))
        face = other;
      else
        blank = SpaceEms(c);
    }
    if (runs.empty() || runs.back().face != face || runs.back().blank != (blank >= 0)) {
      runs.emplace_back();
      runs.back().face = face;
      runs.back().blank = blank >= 0;
    }
    AppendUtf8(runs.back().utf8, c);
    if (blank >= 0) runs.back().blankEms += blank;
  }
  return runs;
}
