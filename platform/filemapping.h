// Named shared memory backed by the paging file. Every view of one section shows the
// same bytes; the section lives while any handle to it or view of it remains. Names
// are case-sensitive, as kernel object names are.
#pragma once

#include "platform/handles.h"
#include "platform/wintypes.h"

using SIZE_T = std::size_t;

// Page protection of a section.
constexpr DWORD PAGE_READONLY = 0x02;
constexpr DWORD PAGE_READWRITE = 0x04;

// View access.
constexpr DWORD FILE_MAP_COPY = 0x0001;
constexpr DWORD FILE_MAP_WRITE = 0x0002;
constexpr DWORD FILE_MAP_READ = 0x0004;
constexpr DWORD FILE_MAP_ALL_ACCESS = 0x000F001F;

// hFile must be INVALID_HANDLE_VALUE (the paging file). A name that already exists
// gives a handle to that section (its size, not the one asked for) with
// GetLastError() == ERROR_ALREADY_EXISTS; a new section sets it to ERROR_SUCCESS.
// Sections larger than 256 MiB are refused with ERROR_NOT_ENOUGH_MEMORY.
HANDLE CreateFileMappingA(HANDLE hFile, const SECURITY_ATTRIBUTES* lpFileMappingAttributes, DWORD flProtect,
                          DWORD dwMaximumSizeHigh, DWORD dwMaximumSizeLow, LPCSTR lpName);
// NULL with ERROR_FILE_NOT_FOUND when no section has that name.
HANDLE OpenFileMappingA(DWORD dwDesiredAccess, BOOL bInheritHandle, LPCSTR lpName);

// A view of zero-initialised memory. The offset must be a multiple of 64 KiB;
// dwNumberOfBytesToMap 0 maps to the end of the section. A view opened for reading
// only is mapped read-only: writing through it faults, as on Windows.
LPVOID MapViewOfFile(HANDLE hFileMappingObject, DWORD dwDesiredAccess, DWORD dwFileOffsetHigh, DWORD dwFileOffsetLow,
                     SIZE_T dwNumberOfBytesToMap);
BOOL UnmapViewOfFile(LPCVOID lpBaseAddress);
