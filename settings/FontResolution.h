// Resolving MicroStation font names to font numbers of the active design file.
#pragma once

#include <string>

// The number of the font of that name: from the design file's font table (any kind),
// else the first installed font of that kind and name (ignoring case); -1 if none.
int FindMSFontNumber(const std::string& name, int kind);
