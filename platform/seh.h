// Structured exceptions: processor faults as the system reports them, and the
// per-thread hook that turns them into C++ exceptions.
#pragma once

#include "platform/wintypes.h"

using DWORD64 = std::uint64_t;
using PVOID = void*;

constexpr DWORD EXCEPTION_ACCESS_VIOLATION = 0xC0000005;
constexpr DWORD EXCEPTION_IN_PAGE_ERROR = 0xC0000006;
constexpr DWORD EXCEPTION_ILLEGAL_INSTRUCTION = 0xC000001D;
constexpr DWORD EXCEPTION_FLT_DIVIDE_BY_ZERO = 0xC000008E;
constexpr DWORD EXCEPTION_FLT_INVALID_OPERATION = 0xC0000090;
constexpr DWORD EXCEPTION_INT_DIVIDE_BY_ZERO = 0xC0000094;
constexpr DWORD EXCEPTION_INT_OVERFLOW = 0xC0000095;
constexpr DWORD EXCEPTION_PRIV_INSTRUCTION = 0xC0000096;
constexpr DWORD EXCEPTION_MAXIMUM_PARAMETERS = 15;

struct EXCEPTION_RECORD {
  DWORD ExceptionCode;
  DWORD ExceptionFlags;
  EXCEPTION_RECORD* ExceptionRecord;
  PVOID ExceptionAddress;
  // For an access violation: 0 read, 1 write, 8 execute; then the address touched.
  DWORD NumberParameters;
  ULONG_PTR ExceptionInformation[EXCEPTION_MAXIMUM_PARAMETERS];
};

// The faulting thread's registers. This platform's record also carries the return
// addresses of the thread's stack as they were at the fault (innermost first,
// starting with the faulting instruction): a handler reads the record after the
// faulting frames have been unwound, when their memory no longer holds them.
constexpr DWORD kContextMaxFrames = 64;
struct CONTEXT {
  DWORD ContextFlags;
  DWORD64 Rip;
  DWORD64 Rsp;
  DWORD64 Rbp;
  DWORD FrameCount;
  DWORD64 Frames[kContextMaxFrames];
};

struct EXCEPTION_POINTERS {
  EXCEPTION_RECORD* ExceptionRecord;
  CONTEXT* ContextRecord;
};

// Called on the faulting thread, before any frame is unwound; it is expected to
// throw. A translator that returns leaves the fault unhandled, which ends the
// process.
using _se_translator_function = void (*)(unsigned int code, EXCEPTION_POINTERS* pointers);

// Sets the calling thread's translator and returns the one it replaces. Faults on
// threads without one end the process, as they would without the hook.
_se_translator_function _set_se_translator(_se_translator_function translator);

// The calling thread's registers and stack, as a fault would record them, from the
// caller of this function outwards.
void RtlCaptureContext(CONTEXT* ContextRecord);

HANDLE GetCurrentProcess();
HANDLE GetCurrentThread();
DWORD GetCurrentProcessId();
DWORD GetCurrentThreadId();
