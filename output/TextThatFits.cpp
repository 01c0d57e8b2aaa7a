#include <algorithm>
#include <functional>

#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"

namespace {

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether a cut at i would leave the two halves of one character apart.
bool SplitsCharacter(std::u16string_view text, size_t i) {
  return i > 0 && i < text.size() && IsLowSurrogate(text[i]);
}

// The largest i in [lo, hi] for which `holds` is true, with `holds` true up to some
// point and false after it; lo when it holds nowhere. The widths of a text's
// beginnings grow with their length, so a cut is found with a few measurements.
size_t LastHolding(size_t lo, size_t hi, const std::function<bool(size_t)>& holds) {
  while (lo < hi) {
    const size_t mid = lo + (hi - lo + 1) / 2;
    if (holds(mid))
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

}  // namespace

std::u16string TextThatFits(std::u16string_view text, const TextSizeParam& size, const TextParamWide& params,
                            double width, ETextKeep keep) {
  const bool mark = !text.empty() && text.front() == kByteOrderMark;
  if (mark) text.remove_prefix(1);
  auto measure = [&](std::u16string_view piece) {
    return piece.empty() ? 0.0 : CQVUtiMStation::MeasureTextWidth(piece, size, params);
  };
  const size_t n = text.size();
  size_t first = 0, end = n;
  if (measure(text) > width) {
    switch (keep) {
      case ETextKeep::Start:
        end = LastHolding(0, n, [&](size_t i) { return measure(text.substr(0, i)) <= width; });
        break;
      case ETextKeep::End:
        // The largest count of last characters that fits.
        first = n - LastHolding(0, n, [&](size_t k) { return measure(text.substr(n - k)) <= width; });
        break;
      case ETextKeep::Middle: {
        // The characters that lie inside the room when the whole text is centred on it.
        const double whole = measure(text), from = (whole - width) / 2, to = (whole + width) / 2;
        first = LastHolding(0, n, [&](size_t i) { return i == 0 || measure(text.substr(0, i - 1)) < from; });
        end = std::max(first, LastHolding(0, n, [&](size_t i) { return measure(text.substr(0, i)) <= to; }));
        break;
      }
    }
    if (SplitsCharacter(text, first)) ++first;
    if (SplitsCharacter(text, end)) --end;
    end = std::max(first, end);
  }
  std::u16string kept(mark ? 1 : 0, kByteOrderMark);
  kept += text.substr(first, end - first);
  return kept;
}
