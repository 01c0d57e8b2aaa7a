// Windows paths: the path functions of the shell library, the C runtime's path
// splitting, and the full and current paths of the file system.
//
// How Windows paths name files here: drive Z: is the root of the machine's file
// system (Z:\home\ana\b.xlsx is /home/ana/b.xlsx); other drive letters stand for
// folders chosen by configuration; a drive nobody mapped and a network path
// (\\server\share\...) name nothing that exists. Letter case does not matter.
#pragma once

#include "platform/wintypes.h"

using errno_t = int;

// Sizes of the parts written by _splitpath.
constexpr std::size_t _MAX_PATH = 260;
constexpr std::size_t _MAX_DRIVE = 3;
constexpr std::size_t _MAX_DIR = 256;
constexpr std::size_t _MAX_FNAME = 256;
constexpr std::size_t _MAX_EXT = 256;

// --- Pure text operations (only the backslash separates names, as in the shell
// library; output buffers hold MAX_PATH characters) ---

// FALSE for a path that starts with a backslash or a drive ("X:"); TRUE otherwise.
BOOL PathIsRelativeA(LPCSTR pszPath);
// The directory and the file joined and canonicalised. A file that is already
// absolute wins; a file starting with a backslash goes under the directory's root.
// NULL (and an empty pszDest) when the result would not fit in MAX_PATH.
LPSTR PathCombineA(LPSTR pszDest, LPCSTR pszDir, LPCSTR pszFile);
// "." and ".." removed; ".." above the root stays at the root; "" becomes "\".
BOOL PathCanonicalizeA(LPSTR pszBuf, LPCSTR pszPath);
// The path from pszFrom to pszTo, each a file or a folder by its attributes
// (FILE_ATTRIBUTE_DIRECTORY or not), such as "..\Data\Book1.xls" or
// ".\Sub\Book1.xls". FALSE when the two share no root (other drives, other shares).
BOOL PathRelativePathToA(LPSTR pszPath, LPCSTR pszFrom, DWORD dwAttrFrom, LPCSTR pszTo, DWORD dwAttrTo);
// Pointer to the file name part (after the last separator), inside pszPath.
LPSTR PathFindFileNameA(LPCSTR pszPath);
// Pointer to the last "." of the file name, or to the terminating NUL.
LPSTR PathFindExtensionA(LPCSTR pszPath);
// Removes the last name and its backslash ("C:\a\b.txt" -> "C:\a", "C:\b.txt" ->
// "C:\"). TRUE when something was removed.
BOOL PathRemoveFileSpecA(LPSTR pszPath);
// Appends a backslash unless there is one; pointer to the new end, or NULL when the
// result would not fit in MAX_PATH.
LPSTR PathAddBackslashA(LPSTR pszPath);
// Keeps only the file name part.
void PathStripPathA(LPSTR pszPath);

// The C runtime's split: drive ("C:"), folder (up to and with the last separator),
// file name, extension (from the last "." of the name). A NULL part is not wanted;
// EINVAL for bad arguments, ERANGE when a part does not fit (all parts then empty).
errno_t _splitpath_s(const char* path, char* drive, std::size_t driveNumberOfElements, char* dir,
                     std::size_t dirNumberOfElements, char* fname, std::size_t nameNumberOfElements, char* ext,
                     std::size_t extNumberOfElements);
// As _splitpath_s with buffers of the _MAX_ sizes above; a part that would not fit
// leaves every part empty rather than overrunning.
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
// Joins the parts, adding ":" to the drive, "\" after the folder and "." before the
// extension where missing. ERANGE (and an empty result) when it does not fit.
errno_t _makepath_s(char* path, std::size_t sizeInCharacters, const char* drive, const char* dir, const char* fname,
                    const char* ext);

// --- The file system ---

BOOL PathFileExistsA(LPCSTR pszPath);
// FILE_ATTRIBUTE_DIRECTORY for an existing folder, else FALSE.
BOOL PathIsDirectoryA(LPCSTR pszPath);
// The current folder. Returns the length without the NUL, or the buffer size needed
// (with the NUL) when nBufferLength is too small.
DWORD GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer);
// The absolute, canonical form of a path relative to the current folder ("/" is
// taken as "\", trailing dots and spaces of names are dropped). Returns the length
// without the NUL, or the buffer size needed (with the NUL); *lpFilePart (optional)
// points at the file name in lpBuffer, or is NULL when the path ends in "\".
DWORD GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart);
