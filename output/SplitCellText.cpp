#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "settings/QuorvelleSetup.h"

// The list of lines grows with the text rather than stopping at a fixed count: no
// line of a long text is dropped, and the text bounds the list, since every line but
// an empty one (between two line feeds) takes at least one of its characters.

namespace {

class CLineBreaker {
 public:
  CLineBreaker(const TextSizeParam& size, const TextParamWide& params, double length, std::vector<std::u16string>& lines)
      : size_(size), params_(params), length_(length), lines_(lines) {}

  void Add(std::u16string_view segment) {
    if (segment.empty() || Fits(segment))
      lines_.emplace_back(segment);
    else
      Break(segment);
  }

 private:
  bool Fits(std::u16string_view piece) const {
    return CQVUtiMStation::MeasureTextWidth(piece, size_, params_) <= length_;
  }

  // Greedy: a line takes the most words that fit, and a word wider than the length
  // the most of its characters that fit, at least one. Spaces are measured with the
  // word before them and stay at the end of its line; the byte-order mark leading
  // the text is measured with the character after it.
  void Break(std::u16string_view segment) {
    const size_t n = segment.size();
    const bool leadingMark = segment[0] == kByteOrderMark;
    size_t s = 0, b = 0, p = 1;
    while (true) {
      if (p < n && (segment[p] == u' ' || (p == 1 && leadingMark))) {
        ++p;
        continue;
      }
      if (Fits(segment.substr(s, p - s))) {
        if (p >= n) {
          lines_.emplace_back(segment.substr(s));
          return;
        }
        if (segment[p - 1] == u' ') b = p;
      } else if (p == s + 1 || (s == 0 && p == 2 && leadingMark)) {
        // One character wider than the length is a line of its own. The mark goes
        // with it: alone it would make an empty line.
        s = b = p = AddLine(segment, s, p);
      } else if (b != s) {
        lines_.emplace_back(segment.substr(s, b - s));  // with its trailing space
        s = p = b;
      } else {
        s = b = p = AddLine(segment, s, p - 1);
      }
      if (s >= n) return;
      ++p;
    }
  }

  // A line broken inside the text from `s` to `end`; the spaces that follow go with
  // it, so that the next line does not start with them (nor, in a cell narrower than
  // a space, consist of one). Where the next line starts.
  size_t AddLine(std::u16string_view segment, size_t s, size_t end) {
    while (end < segment.size() && segment[end] == u' ') ++end;
    lines_.emplace_back(segment.substr(s, end - s));
    return end;
  }

  const TextSizeParam& size_;
  const TextParamWide& params_;
  const double length_;
  std::vector<std::u16string>& lines_;
};

}  // namespace

std::vector<std::u16string> CQVUtiMStation::SplitCellText(const CAutoCell& cell, const TextSizeParam& size,
                                                          const TextParamWide& params, bool rotated) {
  std::vector<std::u16string> lines;
  if (!cell.HasText() || !currentOptionSet) return lines;
  const QuorvelleSetup& setup = *currentOptionSet;
  const double length = rotated ? cell.LayoutHeight - setup.TopMargin
                                : cell.LayoutWidth - setup.LeftMargin - cell.IndentLevel * setup.indentWidth;
  CLineBreaker breaker(size, params, length, lines);
  for (std::u16string_view segment : SegmentsAtFeeds(*cell.Text)) {
    if (cell.WrapText)
      breaker.Add(segment);
    else
      lines.emplace_back(segment);
  }
  return lines;
}

std::vector<std::u16string_view> SegmentsAtFeeds(std::u16string_view text) {
  std::vector<std::u16string_view> segments;
  while (true) {
    const size_t feed = text.find(u'\n');
    segments.push_back(text.substr(0, feed));
    if (feed == std::u16string_view::npos) return segments;
    text.remove_prefix(feed + 1);
  }
}
