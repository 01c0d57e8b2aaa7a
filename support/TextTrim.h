// Texts without the white space (blanks, tabs, line ends, vertical tabs and form
// feeds) at either end.
#pragma once

#include <string_view>

std::string_view TrimWhiteSpace(std::string_view text);
