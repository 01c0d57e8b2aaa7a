// Resolving MicroStation font names to font numbers of the active design file.
#pragma once

#include <string>

#include "settings/ExcelFontMap.h"

// The number of the font of that name: from the design file's font table (any kind),
// else the first installed font of that kind and name (ignoring case); -1 if none.
int FindMSFontNumber(const std::string& name, int kind);

// The name and kind of the font of that number in the active design file; true when
// a font with a name was found.
bool GetMSFontByNumber(int number, std::string* name, int* kind);
// An entry for the active font.
ExcelFontMap MakeActiveFontEntry();
// One entry (name and kind) per font offered for mapping, in the host's order.
ExcelFontMapArray CollectMSFonts();
