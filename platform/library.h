// Loading libraries and finding their exported functions. A module handle stays
// valid until FreeLibrary has been called once for each successful LoadLibraryA of
// the same file.
#pragma once

#include "platform/wintypes.h"

using INT_PTR = std::intptr_t;
// An exported function; cast it to its real type before calling it.
using FARPROC = INT_PTR (*)();

// The file is named by its path (a name without a folder is looked for in the
// current folder only). NULL on failure: ERROR_MOD_NOT_FOUND when the file or a
// library it needs is missing, ERROR_BAD_FORMAT when it is not a library that can be
// loaded, ERROR_ACCESS_DENIED for a folder, ERROR_PROC_NOT_FOUND when it needs a
// function no loaded library has, ERROR_INVALID_PARAMETER for NULL.
HMODULE LoadLibraryA(LPCSTR lpLibFileName);
// The function the library exports under that name (only its own exports, not
// those of the libraries it uses). NULL with ERROR_PROC_NOT_FOUND when there is
// none or an ordinal is given, ERROR_INVALID_HANDLE for a handle not loaded.
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
// FALSE with ERROR_INVALID_HANDLE for a handle not loaded.
BOOL FreeLibrary(HMODULE hLibModule);
