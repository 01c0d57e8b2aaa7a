// Bytes kept on an element as a pair of string linkages: the number of Base64
// characters, then the Base64 text.
#include <string>

#include "host/mslinkage.h"
#include "output/Base64.h"
#include "output/LinkData.h"
#include "output/LinkLayout.h"
#include "output/LinkageText.h"
#include "support/DecimalText.h"
#include "support/TextConvert.h"

namespace {

// No linkage text can be longer than the element that carries it.
constexpr double kMaxBase64Chars = MAX_ELEMENT_SIZE / sizeof(MSWChar);

}  // namespace

StatusInt AppendBase64Linkages(MSElement* element, const void* bytes, std::size_t length, UShort lengthKey,
                               UShort textKey) {
  std::u16string text = CBase64::EncodeWide(bytes, length);
  std::u16string count = NarrowToWide(std::to_string(text.size()));
  if (mdlLinkage_appendStringLinkage(element, lengthKey, count.c_str()) != SUCCESS) return ERROR;
  return mdlLinkage_appendStringLinkage(element, textKey, text.c_str());
}

bool ExtractBase64Linkages(const MSElement* element, std::vector<std::uint8_t>* bytes, UShort lengthKey,
                           UShort textKey) {
  bytes->clear();
  std::u16string countText;
  if (!ReadFirstLinkage(element, lengthKey, kMaxNameChars, &countText)) return false;
  // The count sizes the buffer the text is read into: a damaged count must not.
  const double count = DecimalPrefixToDouble(WideToNarrow(countText));
  if (count < 1 || count > kMaxBase64Chars) return false;
  std::u16string text;
  if (!ReadFirstLinkage(element, textKey, static_cast<std::size_t>(count), &text)) return false;
  return CBase64::Decode(text, bytes);
}
