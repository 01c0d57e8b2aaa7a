// Finding a file whose name differs only in letter case, as Windows would find it.
#pragma once

#include <string>
#include <vector>

namespace sim {

// `folder` (a Linux folder, taken as it is) followed by `names`, each matched to an
// existing entry of the same name when there is one, else to one that differs only
// in letter case (the first in byte order when several do). From the first name
// that matches nothing on, the names are used as given, so the result also names a
// file or folder still to be created.
std::string FindPathIgnoringCase(const std::string& folder, const std::vector<std::string>& names);

}  // namespace sim
