// The system's message table, for the codes the module and the stand-ins meet; the
// texts are Windows' own (English).
#include <cstring>
#include <string_view>

#include "platform/errortext.h"

namespace {

struct ErrorText {
  DWORD code;
  const char* text;
};

constexpr ErrorText kTexts[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    // The Internet library's texts (wininet.dll's message table on Windows).
    {12002, "The operation timed out"},
    {12004, "An internal error occurred in the Microsoft Internet extensions"},
    {12005, "The URL is invalid"},
    {12007, "The server name or address could not be resolved"},
    {12018, "The type of handle supplied is incorrect for this operation"},
    {12029, "A connection with the server could not be established"},
    {12030, "The connection with the server was terminated abnormally"},
    {12031, "The connection with the server was reset"},
    {12152, "The server returned an invalid or unrecognized response"},
    {0x80004001, "Not implemented"},
    {0x80004002, "No such interface supported"},
    {0x80004003, "Invalid pointer"},
    {0x80004005, "Unspecified error"},
    {0x8000FFFF, "Catastrophic failure"},
    {0x80010001, "Call was rejected by callee."},
    {0x80010105, "The server threw an exception."},
    {0x80010108, "The object invoked has disconnected from its clients."},
    {0x800401E3, "Operation unavailable"},
    {0x800401F3, "Invalid class string"},
    {0x80020003, "Member not found."},
    {0x80020005, "Type mismatch."},
    {0x80020009, "Exception occurred."},
    {0x8002000B, "Invalid index."},
    {0x8002000E, "Invalid number of parameters."},
    {0x80040154, "Class not registered"},
    {0x80070005, "Access is denied."},
    {0x8007000E, "Not enough memory resources are available to complete this operation."},
    {0x80070057, "The parameter is incorrect."},
    {0x80080005, "Server execution failed"},
    {0x800706BA, "The RPC server is unavailable."},
};

}  // namespace

DWORD FormatMessageA(DWORD dwFlags, const void*, DWORD dwMessageId, DWORD, LPSTR lpBuffer, DWORD nSize, va_list*) {
  if (!(dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) || !lpBuffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (const ErrorText& entry : kTexts) {
    if (entry.code != dwMessageId) continue;
    const std::string_view text = entry.text;
    if (text.size() + 3 > nSize) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return 0;
    }
    std::memcpy(lpBuffer, text.data(), text.size());
    std::memcpy(lpBuffer + text.size(), "\r\n", 3);
    return static_cast<DWORD>(text.size() + 2);
  }
  SetLastError(ERROR_MR_MID_NOT_FOUND);
  return 0;
}
