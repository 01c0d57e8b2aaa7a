// The font families of the machine as the system enumerates them: the TrueType fonts
// the stand-in host knows as installed (fontconfig's, with the Windows names that
// metric-compatible families stand in for).
#include <cstring>

#include "platform/fontenum.h"
#include "sim/Strings.h"
#include "sim/fonts/FontCatalog.h"
#include "sim/platform/TextCase.h"

namespace {
// Any non-null value: the screen has one device context here.
HDC ScreenContext() { return reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x5C5EE4)); }
}  // namespace

HDC GetDC(HWND) { return ScreenContext(); }
int ReleaseDC(HWND, HDC hDC) { return hDC == ScreenContext() ? 1 : 0; }

int EnumFontFamiliesExA(HDC hdc, LOGFONTA* lpLogfont, FONTENUMPROCA lpProc, LPARAM lParam, DWORD) {
  if (hdc != ScreenContext() || !lpLogfont || !lpProc) return 0;
  const std::string wanted(lpLogfont->lfFaceName, strnlen(lpLogfont->lfFaceName, LF_FACESIZE));
  int last = 1;
  for (const Font& font : sim::InstalledFonts()) {
    if (font.GetType() != FONTTYPE_TRUETYPE || !font.IsValid()) continue;
    const std::string name = sim::Utf16ToUtf8(font.GetName());
    if (!wanted.empty() && !sim::EqualsIgnoringCase(wanted, name)) continue;
    LOGFONTA found{};
    found.lfCharSet = lpLogfont->lfCharSet == DEFAULT_CHARSET ? 0 : lpLogfont->lfCharSet;  // ANSI_CHARSET
    found.lfWeight = 400;
    // A face name longer than the field is cut, as the system's are.
    name.copy(found.lfFaceName, LF_FACESIZE - 1);
    last = lpProc(&found, nullptr, TRUETYPE_FONTTYPE, lParam);
    if (last == 0) break;
  }
  return last;
}
