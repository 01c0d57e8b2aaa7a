// The system's texts of status codes: Win32 error codes and COM status codes.
#pragma once

#include <cstdarg>

#include "platform/wintypes.h"

constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;

constexpr WORD LANG_NEUTRAL = 0x00;
constexpr WORD SUBLANG_DEFAULT = 0x01;
constexpr DWORD MAKELANGID(WORD primary, WORD sub) { return (static_cast<DWORD>(sub) << 10) | primary; }

// Only FORMAT_MESSAGE_FROM_SYSTEM is served: the text of dwMessageId, ending in "\r\n"
// as the system's texts do, copied into lpBuffer with its terminator; the count of
// characters copied. 0 when the system has no text for the code
// (ERROR_MR_MID_NOT_FOUND) or the buffer is too small (ERROR_INSUFFICIENT_BUFFER).
DWORD FormatMessageA(DWORD dwFlags, const void* lpSource, DWORD dwMessageId, DWORD dwLanguageId, LPSTR lpBuffer,
                     DWORD nSize, va_list* Arguments);
