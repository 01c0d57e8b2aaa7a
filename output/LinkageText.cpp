#include "output/LinkageText.h"

#include <algorithm>
#include <vector>

#include "host/mslinkage.h"
#include "support/TextConvert.h"

namespace {

// No linkage text can be longer than the element that carries it.
constexpr std::size_t kMaxElementChars = MAX_ELEMENT_SIZE / sizeof(MSWChar);
// Most texts are short: they are read in a small buffer first.
constexpr std::size_t kShortTextChars = 512;

bool IsLeadSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::u16string CutToChars(std::u16string text, std::size_t maxChars) {
  if (text.size() <= maxChars) return text;
  std::size_t length = maxChars;
  if (length > 0 && IsLeadSurrogate(text[length - 1])) --length;
  text.resize(length);
  return text;
}

StatusInt AppendTextLinkage(MSElement* element, UShort key, std::string_view text, std::size_t maxChars) {
  std::u16string wide = CutToChars(NarrowToWide(text), maxChars);
  return mdlLinkage_appendStringLinkage(element, key, wide.c_str());
}

StatusInt SetTextLinkage(MSElement* element, UShort key, std::string_view text, std::size_t maxChars) {
  std::u16string wide = CutToChars(NarrowToWide(text), maxChars);
  return mdlLinkage_setStringLinkage(element, key, wide.c_str());
}

bool ReadLinkageByIndex(const MSElement* element, int index, UShort* key, std::u16string* text) {
  std::vector<MSWChar> buffer(kShortTextChars);
  if (mdlLinkage_extractStringLinkageByIndex(key, buffer.data(), static_cast<int>(buffer.size()), index, element) !=
      SUCCESS)
    return false;
  *text = buffer.data();
  if (text->size() + 1 < buffer.size()) return true;
  // It filled the buffer: read it again whole.
  buffer.assign(kMaxElementChars + 1, 0);
  if (mdlLinkage_extractStringLinkageByIndex(key, buffer.data(), static_cast<int>(buffer.size()), index, element) !=
      SUCCESS)
    return false;
  *text = buffer.data();
  return true;
}

bool ReadFirstLinkage(const MSElement* element, UShort key, std::size_t maxChars, std::u16string* text) {
  std::vector<MSWChar> buffer(std::min(maxChars, kMaxElementChars) + 1);
  if (mdlLinkage_extractNamedStringLinkageByIndex(buffer.data(), static_cast<int>(buffer.size()), key, 0, element) !=
      SUCCESS)
    return false;
  *text = buffer.data();
  return true;
}
