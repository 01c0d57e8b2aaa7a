#include "sim/fonts/FontCatalog.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>

#include "sim/Strings.h"

namespace sim {
namespace {

struct ResourceFont {
  int number;
  const char16_t* name;
};

// The resource fonts of this host, with the numbers they always have.
const ResourceFont kResourceFonts[] = {
    {0, u"STANDARD"}, {1, u"WORKING"}, {3, u"ENGINEERING"}, {23, u"ARCHITECTURAL"}, {43, u"SANSSERIF"},
};

const char16_t* kShxFonts[] = {u"romans", u"simplex", u"txt", u"isocp", u"gdt"};

// Windows names and the installed families that stand in for them.
const std::pair<const char*, const char*> kWindowsAliases[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Calibri", "Carlito"},
    {"Cambria", "Caladea"},
};

// Family name -> the file of its regular face (any face when there is no regular one).
std::map<std::string, std::string> TrueTypeFamilies() {
  std::map<std::string, std::string> families;
  FcConfig* config = FontConfiguration();
  if (!config) return families;
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_WEIGHT, FC_SLANT, FC_FONTFORMAT, nullptr);
  FcFontSet* set = FcFontList(config, pattern, objects);
  for (int i = 0; set && i < set->nfont; ++i) {
    FcChar8 *family = nullptr, *file = nullptr, *format = nullptr;
    int weight = 0, slant = 0;
    FcPattern* font = set->fonts[i];
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch ||
        FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
      continue;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) == FcResultMatch &&
        std::string(reinterpret_cast<char*>(format)) != "TrueType" &&
        std::string(reinterpret_cast<char*>(format)) != "CFF")
      continue;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    std::string name = reinterpret_cast<char*>(family);
    bool regular = weight == FC_WEIGHT_REGULAR && slant == FC_SLANT_ROMAN;
    if (!families.count(name) || regular) families[name] = reinterpret_cast<char*>(file);
  }
  if (set) FcFontSetDestroy(set);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return families;
}

std::vector<Font> LoadFonts() {
  std::vector<Font> fonts;
  for (const auto& r : kResourceFonts) fonts.emplace_back(FONTTYPE_DGN, r.name, "", true);
  std::map<std::string, std::string> families = TrueTypeFamilies();
  for (const auto& [windows, stand] : kWindowsAliases)
    if (families.count(stand) && !families.count(windows)) families[windows] = families[stand];
  for (const auto& [name, file] : families) fonts.emplace_back(FONTTYPE_TRUETYPE, Utf8ToUtf16(name), file, true);
  for (const char16_t* shx : kShxFonts) fonts.emplace_back(FONTTYPE_SHX, shx, "", true);
  return fonts;
}

}  // namespace

FcConfig* FontConfiguration() {
  static const std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)> config(FcInitLoadConfigAndFonts(),
                                                                           &FcConfigDestroy);
  return config.get();
}

const std::vector<Font>& InstalledFonts() {
  static const std::vector<Font> fonts = LoadFonts();
  return fonts;
}

const Font* FindInstalledFont(int type, const std::u16string& name) {
  for (const auto& f : InstalledFonts())
    if (f.GetType() == type && EqualsIgnoringCase(std::u16string_view(f.GetName()), name)) return &f;
  return nullptr;
}

int ResourceFontNumber(const std::u16string& name) {
  for (const auto& r : kResourceFonts)
    if (EqualsIgnoringCase(std::u16string_view(r.name), name)) return r.number;
  return -1;
}

}  // namespace sim
