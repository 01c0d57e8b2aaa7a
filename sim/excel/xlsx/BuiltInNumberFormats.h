// The format codes Excel gives the number formats a file names only by number.
#pragma once

#include <string>

namespace sim {

// The code of a built-in number format (ids 0-49, as Excel in English shows them);
// "General" for an id that has none.
std::string BuiltInNumberFormat(int numFmtId);

}  // namespace sim
