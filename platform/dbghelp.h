// The debugging library: the call stack of a thread, the symbols, source lines and
// modules behind its addresses, and dump files of the process.
#pragma once

#include "platform/seh.h"

using PCSTR = const char*;
using PSTR = char*;

// --- Dump files ---
enum MINIDUMP_TYPE { MiniDumpNormal = 0 };
struct MINIDUMP_EXCEPTION_INFORMATION {
  DWORD ThreadId;
  EXCEPTION_POINTERS* ExceptionPointers;
  BOOL ClientPointers;
};
// Writes a dump of the process to the file. This platform's dump is a text: the
// fault, the registers, the stack's addresses and every loaded module with its
// load address, enough to find the faulting line with addr2line.
BOOL MiniDumpWriteDump(HANDLE hProcess, DWORD ProcessId, HANDLE hFile, MINIDUMP_TYPE DumpType,
                       const MINIDUMP_EXCEPTION_INFORMATION* ExceptionParam, const void* UserStreamParam,
                       const void* CallbackParam);

// --- Symbol handler ---
constexpr DWORD SYMOPT_UNDNAME = 0x00000002;
constexpr DWORD SYMOPT_DEFERRED_LOADS = 0x00000004;
constexpr DWORD SYMOPT_LOAD_LINES = 0x00000010;
constexpr DWORD SYMOPT_FAIL_CRITICAL_ERRORS = 0x00000200;

BOOL SymInitialize(HANDLE hProcess, PCSTR UserSearchPath, BOOL fInvadeProcess);
BOOL SymCleanup(HANDLE hProcess);
DWORD SymGetOptions();
DWORD SymSetOptions(DWORD SymOptions);
BOOL SymGetSearchPath(HANDLE hProcess, PSTR SearchPath, DWORD SearchPathLength);
DWORD64 SymLoadModule64(HANDLE hProcess, HANDLE hFile, PCSTR ImageName, PCSTR ModuleName, DWORD64 BaseOfDll,
                        DWORD SizeOfDll);

struct IMAGEHLP_SYMBOL64 {
  DWORD SizeOfStruct;
  DWORD64 Address;
  DWORD Size;
  DWORD Flags;
  DWORD MaxNameLength;  // room in Name, which the caller allocates past the record
  char Name[1];
};
BOOL SymGetSymFromAddr64(HANDLE hProcess, DWORD64 qwAddr, DWORD64* pdwDisplacement, IMAGEHLP_SYMBOL64* Symbol);

struct IMAGEHLP_LINE64 {
  DWORD SizeOfStruct;
  PVOID Key;
  DWORD LineNumber;
  PSTR FileName;  // owned by the library until SymCleanup
  DWORD64 Address;
};
BOOL SymGetLineFromAddr64(HANDLE hProcess, DWORD64 qwAddr, DWORD* pdwDisplacement, IMAGEHLP_LINE64* Line);

// How a module's symbols were found. On this platform: SymPdb for a module with
// separate or built-in debugging information (source lines), SymCoff for one with a
// full symbol table only, SymExport for one with its exported names only.
enum SYM_TYPE { SymNone = 0, SymCoff, SymCv, SymPdb, SymExport, SymDeferred, SymSym, SymDia, SymVirtual };
struct IMAGEHLP_MODULE64 {
  DWORD SizeOfStruct;
  DWORD64 BaseOfImage;
  DWORD ImageSize;
  DWORD TimeDateStamp;
  DWORD CheckSum;
  DWORD NumSyms;
  SYM_TYPE SymType;
  char ModuleName[32];
  char ImageName[256];
  char LoadedImageName[256];
  char LoadedPdbName[256];
};
BOOL SymGetModuleInfo64(HANDLE hProcess, DWORD64 qwAddr, IMAGEHLP_MODULE64* ModuleInfo);

constexpr DWORD UNDNAME_COMPLETE = 0x0000;
constexpr DWORD UNDNAME_NAME_ONLY = 0x1000;
// The readable form of a decorated name; the length written, 0 on failure.
DWORD UnDecorateSymbolName(PCSTR name, PSTR outputString, DWORD maxStringLength, DWORD flags);

// The modules of the process: called once for each, until the callback returns FALSE.
using PENUMLOADED_MODULES_CALLBACK64 = BOOL (*)(PCSTR ModuleName, DWORD64 ModuleBase, ULONG ModuleSize,
                                                PVOID UserContext);
BOOL EnumerateLoadedModules64(HANDLE hProcess, PENUMLOADED_MODULES_CALLBACK64 EnumLoadedModulesCallback,
                              PVOID UserContext);

// --- Stack walking ---
constexpr DWORD IMAGE_FILE_MACHINE_I386 = 0x014c;
constexpr DWORD IMAGE_FILE_MACHINE_AMD64 = 0x8664;
enum ADDRESS_MODE { AddrMode1616, AddrMode1632, AddrModeReal, AddrModeFlat };
struct ADDRESS64 {
  DWORD64 Offset;
  WORD Segment;
  ADDRESS_MODE Mode;
};
struct STACKFRAME64 {
  ADDRESS64 AddrPC;
  ADDRESS64 AddrReturn;
  ADDRESS64 AddrFrame;
  ADDRESS64 AddrStack;
  ADDRESS64 AddrBStore;
  PVOID FuncTableEntry;
  DWORD64 Params[4];
  BOOL Far;
  BOOL Virtual;
  DWORD64 Reserved[3];
};
using PREAD_PROCESS_MEMORY_ROUTINE64 = BOOL (*)(HANDLE hProcess, DWORD64 qwBaseAddress, PVOID lpBuffer, DWORD nSize,
                                                DWORD* lpNumberOfBytesRead);
using PFUNCTION_TABLE_ACCESS_ROUTINE64 = PVOID (*)(HANDLE ahProcess, DWORD64 AddrBase);
using PGET_MODULE_BASE_ROUTINE64 = DWORD64 (*)(HANDLE hProcess, DWORD64 Address);
using PTRANSLATE_ADDRESS_ROUTINE64 = DWORD64 (*)(HANDLE hProcess, HANDLE hThread, ADDRESS64* lpaddr);

PVOID SymFunctionTableAccess64(HANDLE hProcess, DWORD64 AddrBase);
DWORD64 SymGetModuleBase64(HANDLE hProcess, DWORD64 qwAddr);
// One frame further out per call, FALSE past the last one. A frame whose AddrPC is
// 0 starts from the context. This platform takes the frames from the context's
// record of the stack, the machine type of the running process (the record's
// registers are those of the process's own machine), and ignores the memory reader.
BOOL StackWalk64(DWORD MachineType, HANDLE hProcess, HANDLE hThread, STACKFRAME64* StackFrame, PVOID ContextRecord,
                 PREAD_PROCESS_MEMORY_ROUTINE64 ReadMemoryRoutine,
                 PFUNCTION_TABLE_ACCESS_ROUTINE64 FunctionTableAccessRoutine,
                 PGET_MODULE_BASE_ROUTINE64 GetModuleBaseRoutine, PTRANSLATE_ADDRESS_ROUTINE64 TranslateAddress);
