// The process: its environment variables, the file it was started from, and the
// debugger's output.
#pragma once

#include "platform/wintypes.h"

// The value's length when it fits in nSize (with its terminator), else the size
// needed; 0 with ERROR_ENVVAR_NOT_FOUND when the variable is not set.
DWORD GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize);
constexpr DWORD ERROR_ENVVAR_NOT_FOUND = 203;

// The path of the module's file; NULL names the program the process runs. The
// length copied; nSize when the path was cut short (ERROR_INSUFFICIENT_BUFFER).
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

// A line for the debugger attached to the process (none: the line is lost).
void OutputDebugStringA(LPCSTR lpOutputString);
