// The system's text of a status code (a Win32 error, a COM status, an Internet
// library error), as FormatMessage gives it.
#pragma once

#include <string>

#include "platform/wintypes.h"

// "" when the system has no text for the code.
std::string SystemMessageText(DWORD code);
