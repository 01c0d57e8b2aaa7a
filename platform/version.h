// The operating system's version.
#pragma once

#include "platform/wintypes.h"

// The basic record (148 bytes) and the extended one (156 bytes) that begins with it.
struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize = 0;
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  char szCSDVersion[128] = {};
};

struct OSVERSIONINFOEXA {
  DWORD dwOSVersionInfoSize = 0;
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  char szCSDVersion[128] = {};
  WORD wServicePackMajor = 0;
  WORD wServicePackMinor = 0;
  WORD wSuiteMask = 0;
  BYTE wProductType = 0;
  BYTE wReserved = 0;
};

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
constexpr BYTE VER_NT_WORKSTATION = 1;
constexpr BYTE VER_NT_DOMAIN_CONTROLLER = 2;
constexpr BYTE VER_NT_SERVER = 3;
constexpr WORD VER_SUITE_ENTERPRISE = 0x0002;
constexpr WORD VER_SUITE_DATACENTER = 0x0080;
constexpr WORD VER_SUITE_PERSONAL = 0x0200;

// Fills the record whose size dwOSVersionInfoSize gives: the basic record, or the
// extended one passed cast to the basic one. FALSE with ERROR_INSUFFICIENT_BUFFER
// for any other size.
BOOL GetVersionExA(OSVERSIONINFOA* info);

// The name of the user the process runs as; *size is the buffer's size and becomes
// the length with the terminating zero. FALSE with ERROR_INSUFFICIENT_BUFFER (and
// the size needed) when the buffer is too small.
BOOL GetUserNameA(LPSTR buffer, DWORD* size);
