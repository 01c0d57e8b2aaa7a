// Comparing names, styles, sheet names and paths without regard to letter case.
// Texts are 8-bit in the system code page; the letters of ASCII are folded.
#pragma once

#include <string>
#include <string_view>

bool EqualsNoCase(std::string_view a, std::string_view b);
// Negative, 0 or positive as a sorts before, with or after b, letters compared in
// lower case (so "_" sorts after the letters, as the C runtime's _stricmp has it).
int CompareNoCase(std::string_view a, std::string_view b);
// Position of `needle` in `haystack` ignoring case, or std::string::npos.
size_t FindNoCase(std::string_view haystack, std::string_view needle);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
std::string ToUpperAscii(std::string_view text);
