// Comparing names without regard to letter case, as Windows does for registry
// keys, window classes and file names. Texts are UTF-8; letters of the Latin,
// Greek and Cyrillic alphabets are folded, other characters and bytes that are not
// valid UTF-8 compare as they are.
#pragma once

#include <string>
#include <string_view>

namespace sim {

// The upper-case form used for comparing (Windows compares upper-cased names,
// which fixes where "_" sorts against letters).
std::string FoldCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Ordering for enumerations sorted by name.
bool LessIgnoringCase(std::string_view a, std::string_view b);
bool IsValidUtf8(std::string_view text);

}  // namespace sim
