#include "support/TextConvert.h"

#include <vector>

#include "host/mssystem.h"

std::u16string NarrowToWide(std::string_view text) {
  if (text.empty()) return {};
  // One wide unit per byte at most, plus the terminator.
  std::vector<MSWChar> buffer(text.size() + 1);
  std::string copy(text);
  if (mdlCnv_convertMultibyteToUnicode(copy.c_str(), static_cast<int>(copy.size()), buffer.data(),
                                       static_cast<int>(buffer.size())) != SUCCESS)
    return {};
  return std::u16string(buffer.data());
}

std::string WideToNarrow(std::u16string_view text) {
  if (text.empty()) return {};
  // At most three bytes per wide unit, plus the terminator.
  std::vector<char> buffer(text.size() * 3 + 1);
  std::u16string copy(text);
  if (mdlCnv_convertUnicodeToMultibyte(copy.c_str(), static_cast<int>(copy.size()), buffer.data(),
                                       static_cast<int>(buffer.size())) != SUCCESS)
    return {};
  return std::string(buffer.data());
}
