// Fonts and the design file's font number map.
#include <algorithm>
#include <deque>

#include "host/msfont.h"
#include "sim/Strings.h"
#include "sim/fonts/FontCatalog.h"
#include "sim/host/HostState.h"

namespace {

// Numbers given to TrueType and SHX fonts start above the resource fonts' range.
constexpr UInt32 kFirstFreeNumber = 256;

// A numbered font that is not installed here: known by name and kind, not valid.
const Font* MissingFont(int type, const std::u16string& name) {
  static std::deque<Font> missing;
  for (const auto& f : missing)
    if (f.GetType() == type && f.GetName() == name) return &f;
  missing.emplace_back(type, name, "", false);
  return &missing.back();
}

const Font* FontOf(const FontNumberEntry& e) {
  const Font* f = sim::FindInstalledFont(e.type, e.name);
  return f ? f : MissingFont(e.type, e.name);
}

int KindOrder(int type) { return type == FONTTYPE_DGN ? 0 : type == FONTTYPE_TRUETYPE ? 1 : 2; }

bool Allowed(int filter, int type) {
  // The filter's bits: 1 resource fonts, 2 TrueType, 8 SHX (11: every kind).
  int bit = type == FONTTYPE_DGN ? 1 : type == FONTTYPE_TRUETYPE ? 2 : 8;
  return (filter & bit) != 0;
}

}  // namespace

void FontList::Sort(int) {
  std::stable_sort(fonts_.begin(), fonts_.end(), [](const Font* a, const Font* b) {
    if (KindOrder(a->GetType()) != KindOrder(b->GetType())) return KindOrder(a->GetType()) < KindOrder(b->GetType());
    return sim::Utf16ToUtf8(a->GetName()) < sim::Utf16ToUtf8(b->GetName());
  });
}

const Font* FontList::GetEntry(int index) const {
  return index >= 0 && index < GetCount() ? fonts_[index] : nullptr;
}

const Font* FontNumMap::FindFontByName(const MSWChar* name, int filter, UInt32* number) const {
  if (!name || !file_ || !file_->model) return nullptr;
  for (const auto& e : file_->model->fonts)
    if (Allowed(filter, e.type) && sim::EqualsIgnoringCase(std::u16string_view(e.name), std::u16string_view(name))) {
      if (number) *number = e.number;
      return FontOf(e);
    }
  return nullptr;
}

int FontNumMap::GetFontNumber(UInt32* number, const Font& font, bool create) {
  if (!file_ || !file_->model) return ERROR;
  auto& fonts = file_->model->fonts;
  std::u16string name = font.GetName();
  for (const auto& e : fonts)
    if (e.type == font.GetType() && sim::EqualsIgnoringCase(e.name, name)) {
      if (number) *number = e.number;
      return SUCCESS;
    }
  if (!create || !font.IsValid()) return ERROR;
  UInt32 next = kFirstFreeNumber;
  if (font.GetType() == FONTTYPE_DGN) {
    next = static_cast<UInt32>(sim::ResourceFontNumber(name));
  } else {
    for (const auto& e : fonts) next = std::max(next, e.number + 1);
  }
  fonts.push_back({next, font.GetType(), name});
  if (number) *number = next;
  return SUCCESS;
}

MSDgnFile* FontManager::GetMSDgnFileP(DgnModelRefP modelRef) {
  DgnModel* m = sim::ModelOf(modelRef);
  return m ? &m->dgnFile : nullptr;
}

FontNumMap* FontManager::GetFontMap(MSDgnFile* file) { return file && file->model ? &file->model->fontNumMap : nullptr; }

FontList* FontManager::CreateKnownFontList(MSDgnFile*, int filter) {
  std::vector<const Font*> fonts;
  for (const auto& f : sim::InstalledFonts())
    if (Allowed(filter, f.GetType())) fonts.push_back(&f);
  return new FontList(std::move(fonts));
}

const Font* FontManager::GetFontByNumber(UInt32 number, MSDgnFile* file) {
  if (!file || !file->model) return nullptr;
  for (const auto& e : file->model->fonts)
    if (e.number == number) return FontOf(e);
  return nullptr;
}

int mdlFontMgr_isTrueTypeFont(UInt32 fontNumber) {
  const Font* f = FontManager::GetFontByNumber(fontNumber, FontManager::GetMSDgnFileP(sim::ActiveModelRef()));
  return f && f->GetType() == FONTTYPE_TRUETYPE ? 1 : 0;
}
