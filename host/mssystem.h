// Configuration variables, text conversions, capabilities and the main window.
#pragma once

#include "host/mstypes.h"
#include "platform/wintypes.h"

// The expanded value of a configuration variable, or null when it is not defined.
// Release it with mdlSystem_freeCfgVarBuffer.
char* mdlSystem_getExpandedCfgVar(const char* name);
void mdlSystem_freeCfgVarBuffer(char* buffer);
// Expands $(NAME) references in the text.
StatusInt mdlSystem_expandCfgVar(char* expanded, int maxChars, const char* text);

// 8-bit texts (the system code page) and wide texts. Lengths in units of the source
// (-1: up to the terminator); the output is cut to maxChars - 1 units and terminated.
StatusInt mdlCnv_convertMultibyteToUnicode(const char* multibyte, int length, MSWChar* unicode, int maxChars);
StatusInt mdlCnv_convertUnicodeToMultibyte(const MSWChar* unicode, int length, char* multibyte, int maxChars);

int mdlCapability_isEnabled(int capability);

// The host's main window (0: the application window).
HWND mdlNativeWindow_getMainHandle(int which);
