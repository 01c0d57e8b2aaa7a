// Conversions between the system code page (8-bit texts) and wide (UTF-16) texts,
// through the host's converters, without length limits of their own.
#pragma once

#include <string>
#include <string_view>

std::u16string NarrowToWide(std::string_view text);
std::string WideToNarrow(std::u16string_view text);
