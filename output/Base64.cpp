#include "output/Base64.h"

#include <algorithm>

#include "host/msoutput.h"
#include "output/LinkTexts.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char32_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<int>(c - 'A');
  if (c >= 'a' && c <= 'z') return static_cast<int>(c - 'a') + 26;
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0') + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

template <typename Text>
Text EncodeAs(const void* data, std::size_t length) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  Text text;
  text.reserve((length + 2) / 3 * 4);
  for (std::size_t i = 0; i < length; i += 3) {
    const std::size_t n = std::min<std::size_t>(3, length - i);
    std::uint32_t group = static_cast<std::uint32_t>(bytes[i]) << 16;
    if (n > 1) group |= static_cast<std::uint32_t>(bytes[i + 1]) << 8;
    if (n > 2) group |= bytes[i + 2];
    for (std::size_t k = 0; k < 4; ++k)
      text.push_back(k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=');
  }
  return text;
}

template <typename View>
bool DecodeFrom(View text, std::vector<std::uint8_t>* bytes) {
  bytes->clear();
  const std::size_t count = text.size();
  std::size_t expected = (count + 3) / 4 * 3;
  for (std::size_t i = count >= 2 ? count - 2 : 0; i < count; ++i)
    if (text[i] == '=' && expected > 0) --expected;

  std::vector<std::uint8_t> decoded;
  decoded.reserve(expected);
  std::uint32_t bits = 0;
  int bitCount = 0;
  for (auto c : text) {
    const int sextet = SextetOf(static_cast<char32_t>(c));
    if (sextet < 0) continue;
    bits = (bits << 6 | static_cast<std::uint32_t>(sextet)) & 0xFFFFFF;
    bitCount += 6;
    if (bitCount >= 8) {
      bitCount -= 8;
      decoded.push_back(static_cast<std::uint8_t>(bits >> bitCount));
    }
  }
  if (decoded.size() != expected) {
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, kBase64LengthMismatch, MSGBOX_ICON_INFORMATION);
    return false;
  }
  *bytes = std::move(decoded);
  return true;
}

}  // namespace

std::string CBase64::Encode(const void* bytes, std::size_t length) { return EncodeAs<std::string>(bytes, length); }

std::u16string CBase64::EncodeWide(const void* bytes, std::size_t length) {
  return EncodeAs<std::u16string>(bytes, length);
}

bool CBase64::Decode(std::string_view text, std::vector<std::uint8_t>* bytes) { return DecodeFrom(text, bytes); }

bool CBase64::Decode(std::u16string_view text, std::vector<std::uint8_t>* bytes) { return DecodeFrom(text, bytes); }
