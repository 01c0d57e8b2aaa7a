// Text helpers of the stand-ins: UTF-8 (the stand-in's system code page) and UTF-16
// conversions, and comparisons without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace sim {

// Lossless for valid input; an unpaired surrogate or a malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// The characters of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::u32string Utf16ToCodePoints(std::u16string_view text);

// Wide names compared without regard to case, by the rule of the UTF-8 comparison
// in sim/platform/TextCase.h.
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

// Copies the text into a buffer of maxChars units, cut to maxChars - 1 and
// terminated, as the host's extract operations do; nothing for an empty buffer.
void CopyWide(char16_t* out, int maxChars, std::u16string_view text);

// Length of a NUL-terminated wide string.
size_t WideLength(const char16_t* text);

}  // namespace sim
