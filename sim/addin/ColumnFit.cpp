#include "sim/addin/ColumnFit.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "sim/excel/numfmt/GeneralNumber.h"
#include "sim/excel/xlsx/TextWidth.h"

namespace sim {
namespace {

std::string Hashes(long long room, const FontData& font) {
  long long hash = std::max(1LL, TextWidthPixels("#", font));
  long long count = std::clamp(room / hash, 1LL, static_cast<long long>(kMaxShownCharacters));
  return std::string(static_cast<std::size_t>(count), '#');
}

}  // namespace

DisplayedText FitToColumn(DisplayedText shown, double value, const FontData& font, long long cellPixels) {
  if (shown.fit == NumberFit::NotANumber || cellPixels <= 0) return shown;
  const long long room = cellPixels - kCellPaddingPixels;
  auto fits = [&](const std::string& text) { return TextWidthPixels(text, font) <= room; };
  switch (shown.fit) {
    case NumberFit::Formatted:
      if (fits(shown.text)) return shown;
      break;
    case NumberFit::General:
      if (std::optional<std::string> shortened = GeneralNumberTextWithin(value, fits)) {
        shown.text = std::move(*shortened);
        return shown;
      }
      break;
    default:
      break;
  }
  shown.text = Hashes(room, font);
  return shown;
}

}  // namespace sim
