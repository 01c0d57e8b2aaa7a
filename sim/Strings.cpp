#include "sim/Strings.h"

#include <algorithm>

#include "sim/platform/TextCase.h"

namespace sim {

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 0x6 || (c >> 4) == 0xE || (c >> 3) == 0x1E) {
      len = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
      char32_t v = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
      bool ok = i + len <= s.size();
      for (size_t k = 1; ok && k < len; ++k) {
        unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc >> 6) != 0x2) ok = false;
        v = (v << 6) | (cc & 0x3F);
      }
      static const char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
      if (ok && v >= minimum[len] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF))
        cp = v;
      else
        len = 1;
    }
    i += len;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

namespace {

// The character starting at s[i], i moved past it; an unpaired surrogate is U+FFFD.
char32_t NextCodePoint(std::u16string_view s, size_t& i) {
  char32_t cp = s[i++];
  if (cp >= 0xD800 && cp <= 0xDBFF && i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF)
    return 0x10000 + ((cp - 0xD800) << 10) + (s[i++] - 0xDC00);
  return cp >= 0xD800 && cp <= 0xDFFF ? 0xFFFD : cp;
}

}  // namespace

std::u32string Utf16ToCodePoints(std::u16string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) out.push_back(NextCodePoint(s, i));
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const char32_t cp = NextCodePoint(s, i);
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return EqualsIgnoringCase(Utf16ToUtf8(a), Utf16ToUtf8(b));
}

void CopyWide(char16_t* out, int maxChars, std::u16string_view text) {
  if (!out || maxChars <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(maxChars - 1));
  std::copy_n(text.data(), n, out);
  out[n] = 0;
}

size_t WideLength(const char16_t* text) {
  size_t n = 0;
  if (text)
    while (text[n]) ++n;
  return n;
}

}  // namespace sim
