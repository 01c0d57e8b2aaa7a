#include "settings/FontResolution.h"

#include <memory>

#include "host/msfont.h"
#include "host/msmodel.h"
#include "host/mssystem.h"
#include "settings/FontMapTexts.h"
#include "support/TextCompare.h"

namespace {

std::string NarrowName(const MSWChar* name) {
  char buffer[260];
  if (mdlCnv_convertUnicodeToMultibyte(name, -1, buffer, sizeof buffer) != SUCCESS) return "";
  return buffer;
}

}  // namespace

int FindMSFontNumber(const std::string& name, int kind) {
  MSDgnFile* file = FontManager::GetMSDgnFileP(mdlModelRef_getActive());
  FontNumMap* map = FontManager::GetFontMap(file);
  if (!map) return -1;
  MSWChar wide[260];
  if (mdlCnv_convertMultibyteToUnicode(name.c_str(), -1, wide, 260) != SUCCESS) return -1;
  UInt32 number = 0;
  if (map->FindFontByName(wide, FONTFILTER_ALL, &number)) return static_cast<int>(number);

  std::unique_ptr<FontList> fonts(FontManager::CreateKnownFontList(nullptr, FONTFILTER_ALL));
  if (!fonts) return -1;
  int result = -1;
  // Every valid font is offered to the file's map, as the host numbers the fonts it
  // lists; the first of the wanted kind and name supplies the result.
  for (int i = 0; i < fonts->GetCount(); ++i) {
    const Font* font = fonts->GetEntry(i);
    if (!font || !font->IsValid()) continue;
    UInt32 n = 0;
    if (map->GetFontNumber(&n, *font, true) != 0) continue;
    if (result < 0 && font->GetType() == kind && EqualsNoCase(NarrowName(font->GetName()), name))
      result = static_cast<int>(n);
  }
  return result;
}

bool GetMSFontByNumber(int number, std::string* name, int* kind) {
  if (number < 0) return false;
  const Font* font = FontManager::GetFontByNumber(static_cast<UInt32>(number),
                                                  FontManager::GetMSDgnFileP(mdlModelRef_getActive()));
  if (!font) return false;
  std::string n = NarrowName(font->GetName());
  if (kind) *kind = font->GetType();
  if (name) *name = n;
  return !n.empty();
}

ExcelFontMap MakeActiveFontEntry() {
  ExcelFontMap entry;
  entry.m_nFontNum = -1;
  UInt32 active = 0;
  if (mdlParams_getActive(&active, ACTIVEPARAM_FONT) == SUCCESS) entry.m_nFontNum = static_cast<int>(active);
  GetMSFontByNumber(entry.m_nFontNum, &entry.m_strMSFont, &entry.m_nFontType);
  return entry;
}

ExcelFontMapArray CollectMSFonts() {
  ExcelFontMapArray offered;
  std::unique_ptr<FontList> fonts(FontManager::CreateKnownFontList(nullptr, FONTFILTER_ALL));
  if (!fonts) return offered;
  fonts->Sort(0);
  bool trueType = mdlCapability_isEnabled(kCapabilityTrueTypeFonts);
  bool shx = mdlCapability_isEnabled(kCapabilityShxFonts);
  for (int i = 0; i < fonts->GetCount(); ++i) {
    const Font* font = fonts->GetEntry(i);
    if (!font || !font->IsValid()) continue;
    if ((font->GetType() == FONTTYPE_TRUETYPE && !trueType) || (font->GetType() == FONTTYPE_SHX && !shx)) continue;
    ExcelFontMap entry;
    entry.m_strMSFont = NarrowName(font->GetName());
    entry.m_nFontType = font->GetType();
    entry.m_nFontNum = -1;
    offered.entries.push_back(entry);
  }
  return offered;
}
