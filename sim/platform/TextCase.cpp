#include "sim/platform/TextCase.h"

#include <cstdint>

namespace sim {
namespace {

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the bytes
// there are not a valid sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  std::uint8_t b0 = byte(i);
  std::size_t length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > text.size()) return 0;
  if (length == 1) {
    cp = b0;
    return 1;
  }
  cp = b0 & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

void EncodeUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t ToUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;  // Latin-1, except the division sign
  if (c == 0xFF) return 0x178;
  // Latin Extended-A: pairs of capital and small letters, the capital first except
  // in the two runs where the small letter comes first.
  if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
    bool smallIsOdd = !((c >= 0x139 && c <= 0x148) || c >= 0x179);
    return (c % 2 == 1) == smallIsOdd ? c - 1 : c;
  }
  if (c >= 0x3B1 && c <= 0x3C9) return c == 0x3C2 ? 0x3A3 : c - 0x20;  // Greek; final sigma
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;                       // Cyrillic
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

// The bytes of a text's folded form, one at a time, without building it: names are
// compared for every cell of a large table.
class FoldedBytes {
 public:
  explicit FoldedBytes(std::string_view text) : text_(text) {}
  // The next byte, or -1 at the end.
  int Next() {
    if (at_ == folded_.size()) {
      if (i_ == text_.size()) return -1;
      Fold();
    }
    return static_cast<unsigned char>(folded_[at_++]);
  }

 private:
  void Fold() {
    folded_.clear();
    at_ = 0;
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(text_, i_, cp);
    if (length == 0) {  // not UTF-8: the byte as it is
      folded_ += text_[i_++];
      return;
    }
    EncodeUtf8(ToUpper(cp), folded_);
    i_ += length;
  }

  std::string_view text_;
  std::size_t i_ = 0;
  std::string folded_;  // at most four bytes: never on the heap
  std::size_t at_ = 0;
};

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(text, i, cp);
    if (length == 0) {  // not UTF-8: keep the byte as it is
      out += text[i++];
      continue;
    }
    EncodeUtf8(ToUpper(cp), out);
    i += length;
  }
  return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  FoldedBytes x(a), y(b);
  for (;;) {
    const int p = x.Next(), q = y.Next();
    if (p != q) return false;
    if (p < 0) return true;
  }
}

bool LessIgnoringCase(std::string_view a, std::string_view b) { return FoldCase(a) < FoldCase(b); }

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(text, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace sim
