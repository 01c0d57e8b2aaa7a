#include "output/LinkSettings.h"

#include "output/LinkTexts.h"
#include "settings/Profile.h"

int LinkPathType() { return GetProfileInt(kProductSection, kValueLinkPathType, 0); }

bool KeepsFontMapOnCell() { return GetProfileInt(kProductSection, kValueSaveFontMapToCell, 0) != 0; }
