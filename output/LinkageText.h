// Texts of the string linkages: 8-bit texts on our side, UTF-16 on the element.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "host/mselement.h"

// The text cut to at most maxChars UTF-16 units, never between the halves of a pair.
std::u16string CutToChars(std::u16string text, std::size_t maxChars);
// Appends the 8-bit text converted to UTF-16 and cut to maxChars characters.
StatusInt AppendTextLinkage(MSElement* element, UShort key, std::string_view text, std::size_t maxChars);
// Sets the first linkage of the key to the 8-bit text, converted and cut the same way
// (appending one when the element has none).
StatusInt SetTextLinkage(MSElement* element, UShort key, std::string_view text, std::size_t maxChars);
// The index-th string linkage, whatever its key, with its whole text; false when the
// element has no such linkage.
bool ReadLinkageByIndex(const MSElement* element, int index, UShort* key, std::u16string* text);
// The first string linkage with the key, its text cut to maxChars characters.
bool ReadFirstLinkage(const MSElement* element, UShort key, std::size_t maxChars, std::u16string* text);
