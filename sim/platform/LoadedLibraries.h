// The libraries loaded through LoadLibraryA and not yet freed.
#pragma once

namespace sim {

// Frees every library as often as it was loaded.
void FreeAllLibraries();

}  // namespace sim
