// The active design file as a Windows path, and its folder.
#pragma once

#include <string>

// The active design file; "" when it was never saved.
std::string DesignFile();
// Its folder, without a trailing backslash but for a drive's root ("C:\"); "" when
// the design file was never saved.
std::string DesignFolder();
