#include "platform/process.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sim/platform/Failure.h"
#include "sim/platform/SimPlatform.h"

DWORD GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
  const char* value = lpName ? std::getenv(lpName) : nullptr;
  if (!value) return sim::FailWith(ERROR_ENVVAR_NOT_FOUND, DWORD{0});
  const std::size_t length = std::strlen(value);
  if (!lpBuffer || nSize <= length) return static_cast<DWORD>(length + 1);
  std::memcpy(lpBuffer, value, length + 1);
  return static_cast<DWORD>(length);
}

// Only the program itself is known by its file here.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  if (hModule) return sim::FailWith(ERROR_MOD_NOT_FOUND, DWORD{0});
  char linuxPath[4096];
  const ssize_t n = readlink("/proc/self/exe", linuxPath, sizeof linuxPath - 1);
  if (n <= 0) return sim::FailWith(ERROR_GEN_FAILURE, DWORD{0});
  linuxPath[n] = '\0';
  const std::string path = sim::ToWindowsPath(linuxPath);
  if (!lpFilename || nSize == 0) return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, DWORD{0});
  if (path.size() >= nSize) {
    std::memcpy(lpFilename, path.data(), nSize - 1);
    lpFilename[nSize - 1] = '\0';
    return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, nSize);
  }
  std::memcpy(lpFilename, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

// Standard error stands for the debugger.
void OutputDebugStringA(LPCSTR lpOutputString) {
  if (lpOutputString) std::fputs(lpOutputString, stderr);
}
