// Control of the Windows stand-ins, for tests and the host shell. Everything here
// and behind platform/ runs on one thread: the one that owns the windows, pumps the
// message queue and calls the registry; nothing is locked.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace sim {

// Operations that fail on request (sim::FailOperation), and how:
//   RegCreateKeyExA, RegSetValueExA, RegDeleteValueA, RegDeleteKeyA, CreateFileA,
//   DeleteFileA, CreateDirectoryA, RemoveDirectoryA, MoveFileExA, CopyFileA:
//     ERROR_ACCESS_DENIED;
//   WriteFile: ERROR_DISK_FULL;
//   CreateFileMappingA, MapViewOfFile, CreateWindowExA: ERROR_NOT_ENOUGH_MEMORY;
//   SHGetSpecialFolderLocation: E_FAIL; SHGetSpecialFolderPathA: FALSE.

// Everything back to a clean state: an empty registry in memory, no windows, window
// classes or queued messages, no open handles, views or sections, the drive letters
// of the environment, the special folders of the environment, every loaded library
// freed and every item identifier list released. No window procedure is called.
void ResetPlatform();

// --- Registry ---
// Open handles are closed whenever the backing changes.

// An empty registry that lives only in memory (tests).
void UseInMemoryRegistry();
// The registry kept in this file (created on the first change). False when the file
// cannot be read or is not a sound registry file: RegistryLoadError() says why, the
// file is left untouched, the registry reads as empty and every change fails with
// ERROR_REGISTRY_CORRUPT.
bool UseRegistryFile(const std::string& linuxPath);
// The file named by QUORVELLE_REGISTRY when set and not empty, else
// $XDG_CONFIG_HOME/quorvelle/registry.json, else ~/.config/quorvelle/registry.json.
// The registry uses it when nothing else was chosen before its first use.
std::string DefaultRegistryPath();
// The file in use, or "" in memory.
std::string RegistryFilePath();
// Why the file could not be used, or "".
std::string RegistryLoadError();
// Why the last change could not be saved (it was then not made), or "".
std::string RegistryWriteError();

// --- Windows and messages ---

// Dispatches queued messages, including those posted while dispatching, until the
// queue is empty or `maxDispatches` were dispatched (a handler that posts forever
// cannot hang the caller; the rest stays queued and a line goes to stderr).
// Returns how many were dispatched.
constexpr std::size_t kMaxPumpDispatches = 1'000'000;
std::size_t PumpMessages(std::size_t maxDispatches = kMaxPumpDispatches);
std::size_t PendingMessageCount();
std::size_t WindowCount();
// How long window procedures have run for sent and dispatched messages since the
// process started (a procedure that sends to another counts once), so that a
// benchmark can tell the receiver's share of a transfer from the sender's.
std::chrono::nanoseconds WindowProcedureTime();

// --- Files and paths ---

// Drive letter -> Linux folder (absolute). Z: is the Linux root and cannot be
// changed; false for Z, a non-letter or a relative folder.
bool MapDrive(char letter, const std::string& linuxFolder);
void UnmapDrive(char letter);
// The Linux path a Windows path names (letter case matched to existing files), or
// "" when it names nothing here (unmapped drive, network path, forbidden character).
std::string ToLinuxPath(const std::string& windowsPath);
// The Windows path of a Linux path: under a mapped drive's folder that drive, else
// Z:. "" for a name no Windows path can hold (one with a backslash, say).
std::string ToWindowsPath(const std::string& linuxPath);

// --- Special folders ---
// CSIDL_PERSONAL (5), CSIDL_APPDATA (26) and CSIDL_COMMON_APPDATA (35) stand for
// Linux folders: the one chosen here, else the absolute folder in
// QUORVELLE_PERSONAL, QUORVELLE_APPDATA or QUORVELLE_COMMON_APPDATA, else
// Documents, AppData or ProgramData under $XDG_DATA_HOME/quorvelle (by default
// ~/.local/share/quorvelle). The shell finds a folder that does not exist only when
// asked to create it.

// An absolute Linux folder, or "" to make the folder unavailable; false for a
// number the stand-in does not know or a relative folder.
bool SetSpecialFolder(int csidl, const std::string& linuxFolder);
// The Linux folder in force, or "" when the folder is unavailable.
std::string SpecialFolder(int csidl);

// --- System ---

// What GetVersionExA reports; Windows 10 (10.0.19045), a workstation, by default.
struct SystemVersion {
  DWORD major = 10;
  DWORD minor = 0;
  DWORD build = 19045;
  DWORD platform = 2;  // VER_PLATFORM_WIN32_NT
  std::string servicePack;
  WORD servicePackMajor = 0;
  WORD suiteMask = 0;
  BYTE productType = 1;  // VER_NT_WORKSTATION
};
void SetSystemVersion(const SystemVersion& version);

// --- Shell execution ---

// What ShellExecuteA was asked to open, in order; nothing is started.
struct ShellExecution {
  std::string verb, file, parameters, directory;
  int show = 0;
};
const std::vector<ShellExecution>& ShellExecutions();
void ClearShellExecutions();

// --- Handles (for checking that every handle and view was released) ---

std::size_t OpenHandleCount();  // files and file-mapping sections
std::size_t MappedViewCount();
std::size_t LoadedLibraryCount();     // LoadLibraryA calls not yet matched by FreeLibrary
std::size_t ShellMemoryBlockCount();  // item identifier lists not yet given to CoTaskMemFree

}  // namespace sim
