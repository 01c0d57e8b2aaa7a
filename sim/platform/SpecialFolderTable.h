// Which Linux folder each special folder of the shell stands for (see
// sim::SetSpecialFolder in SimPlatform.h).
#pragma once

namespace sim {

// True for the folder numbers the stand-in knows (flags not included).
bool IsKnownSpecialFolder(int csidl);
// Back to the folders of the environment.
void ResetSpecialFolders();

}  // namespace sim
