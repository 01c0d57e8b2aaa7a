// A fresh stand-in world for a test or a benchmark: no Excel, no windows, an empty
// registry in memory, the user's special folders below a scratch folder, and an
// empty design file.
#pragma once

#include <filesystem>

namespace sim {

// The user's Documents, AppData and ProgramData folders are made below `scratch`,
// so that nothing of the user's own is touched.
void ResetWorld(const std::filesystem::path& scratch);

}  // namespace sim
