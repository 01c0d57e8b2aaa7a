// Opening documents and addresses with the program the system associates with them.
#pragma once

#include "platform/wintypes.h"

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// Runs the verb ("open") on the file or address. The result is greater than 32 on
// success, an error code of 32 or less on failure.
HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                        int nShowCmd);
