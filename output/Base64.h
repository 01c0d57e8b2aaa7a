// Base64 of the standard alphabet, "=" padding and no line breaks, as 8-bit or UTF-16
// text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CBase64 {
 public:
  static std::string Encode(const void* bytes, std::size_t length);
  static std::u16string EncodeWide(const void* bytes, std::size_t length);

  // Characters outside the alphabet are skipped. The text promises (characters + 3)
  // / 4 * 3 bytes less one for each "=" among its last two characters; when the bytes
  // decoded are not that many, the message box says so and the result is false with
  // `bytes` empty.
  static bool Decode(std::string_view text, std::vector<std::uint8_t>* bytes);
  static bool Decode(std::u16string_view text, std::vector<std::uint8_t>* bytes);
};
