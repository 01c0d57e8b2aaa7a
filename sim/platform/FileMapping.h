// Control of the file-mapping stand-in (for sim::ResetPlatform and the counters).
#pragma once

#include <cstddef>

namespace sim {

// Unmaps every view and forgets every section name; sections die with their last
// handle.
void ResetFileMappings();

}  // namespace sim
