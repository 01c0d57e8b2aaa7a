// The fonts this host knows: its resource fonts (DGN), a few SHX fonts, and the
// TrueType fonts installed on the machine as fontconfig lists them. The Windows fonts
// Arial, Times New Roman, Courier New, Calibri and Cambria are offered under their own
// names, backed by the metric-compatible Liberation, Carlito and Caladea families when
// those are installed.
#pragma once

#include <fontconfig/fontconfig.h>

#include <string>
#include <vector>

#include "host/msfont.h"

namespace sim {

// fontconfig's configuration of the installed fonts, loaded once and let go at exit
// (the library's own current one would stay allocated to the end); null when it
// cannot be loaded.
FcConfig* FontConfiguration();
// Every installed font, read once.
const std::vector<Font>& InstalledFonts();
// The installed font of that kind and name (ignoring case), or null.
const Font* FindInstalledFont(int type, const std::u16string& name);
// The resource number of a DGN font, or -1.
int ResourceFontNumber(const std::u16string& name);

}  // namespace sim
