#include "model/CCharFont.h"

#include <algorithm>

CCharFont::CCharFont() {
  // A new run has every text parameter zeroed, the justification too.
  TextParams.just = 0;
}

std::u16string_view CCharFont::GetRunText() const {
  return std::u16string_view(RunText, std::find(RunText, RunText + kRunTextUnits, u'\0') - RunText);
}

void CCharFont::SetRunText(std::u16string_view text) {
  size_t n = std::min(text.size(), static_cast<size_t>(kMaxRunChars));
  std::copy_n(text.data(), n, RunText);
  std::fill(RunText + n, RunText + kRunTextUnits, u'\0');
}
