// Processor faults as structured exceptions: the signals of a fault (invalid memory
// access, arithmetic fault, illegal instruction) are caught on the faulting thread
// and handed to that thread's translator, which throws out of the signal handler.
// The whole build is compiled with -fnon-call-exceptions, so every frame between
// the faulting instruction and the catching handler unwinds and runs its
// destructors, as the host's compiler does with asynchronous exceptions.
#include <execinfo.h>
#include <signal.h>
#include <ucontext.h>
#include <unistd.h>

#include <array>
#include <mutex>

#include "platform/seh.h"

namespace {

thread_local _se_translator_function threadTranslator = nullptr;

constexpr std::array<int, 4> kFaultSignals = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
struct sigaction previousActions[kFaultSignals.size()];

DWORD ExceptionCode(int signal, int reason) {
  switch (signal) {
    case SIGSEGV:
      return EXCEPTION_ACCESS_VIOLATION;
    case SIGBUS:
      return EXCEPTION_IN_PAGE_ERROR;
    case SIGFPE:
      if (reason == FPE_INTDIV) return EXCEPTION_INT_DIVIDE_BY_ZERO;
      if (reason == FPE_INTOVF) return EXCEPTION_INT_OVERFLOW;
      if (reason == FPE_FLTDIV) return EXCEPTION_FLT_DIVIDE_BY_ZERO;
      return EXCEPTION_FLT_INVALID_OPERATION;
    default:
      return reason == ILL_PRVOPC || reason == ILL_PRVREG ? EXCEPTION_PRIV_INSTRUCTION : EXCEPTION_ILLEGAL_INSTRUCTION;
  }
}

// The faulting thread's return addresses, from the faulting instruction outwards:
// the frames of the handler and of the signal trampoline are left out.
void RecordStack(CONTEXT& context) {
  void* frames[kContextMaxFrames + 8];
  const int count = backtrace(frames, static_cast<int>(std::size(frames)));
  int first = 0;
  while (first < count && reinterpret_cast<DWORD64>(frames[first]) != context.Rip) ++first;
  if (first == count) {  // the unwinder could not cross the signal frame
    context.Frames[0] = context.Rip;
    context.FrameCount = 1;
    return;
  }
  DWORD n = 0;
  for (int i = first; i < count && n < kContextMaxFrames; ++i) context.Frames[n++] = reinterpret_cast<DWORD64>(frames[i]);
  context.FrameCount = n;
}

// Faults of threads without a translator go to whoever handled them before (the
// default action ends the process): the faulting instruction runs again under it.
void PassOn(int signal) {
  for (std::size_t i = 0; i < kFaultSignals.size(); ++i)
    if (kFaultSignals[i] == signal) sigaction(signal, &previousActions[i], nullptr);
}

void OnFault(int signal, siginfo_t* info, void* userContext) {
  const _se_translator_function translator = threadTranslator;
  if (!translator) {
    PassOn(signal);
    return;
  }
  const auto* uc = static_cast<const ucontext_t*>(userContext);
  EXCEPTION_RECORD record{};
  record.ExceptionCode = ExceptionCode(signal, info->si_code);
  record.ExceptionAddress = reinterpret_cast<PVOID>(uc->uc_mcontext.gregs[REG_RIP]);
  if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION) {
    // The page fault's error code: bit 1 a write, bit 4 an instruction fetch.
    const auto error = static_cast<ULONG_PTR>(uc->uc_mcontext.gregs[REG_ERR]);
    record.NumberParameters = 2;
    record.ExceptionInformation[0] = (error & 0x10) ? 8 : (error & 0x2) ? 1 : 0;
    record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(info->si_addr);
  }
  CONTEXT context{};
  context.ContextFlags = 1;
  context.Rip = static_cast<DWORD64>(uc->uc_mcontext.gregs[REG_RIP]);
  context.Rsp = static_cast<DWORD64>(uc->uc_mcontext.gregs[REG_RSP]);
  context.Rbp = static_cast<DWORD64>(uc->uc_mcontext.gregs[REG_RBP]);
  RecordStack(context);
  EXCEPTION_POINTERS pointers{&record, &context};
  translator(record.ExceptionCode, &pointers);
  PassOn(signal);  // the translator did not throw: the fault stays unhandled
}

void InstallSignalHandlers() {
  // The unwinder's first use loads a library; do it now rather than inside a fault.
  void* warm[1];
  backtrace(warm, 1);
  struct sigaction action {};
  action.sa_sigaction = OnFault;
  // The handler is left by a throw, never by a return that would unblock the
  // signal: it must not be blocked while the handler runs.
  action.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kFaultSignals.size(); ++i) sigaction(kFaultSignals[i], &action, &previousActions[i]);
}

}  // namespace

_se_translator_function _set_se_translator(_se_translator_function translator) {
  static std::once_flag installed;
  std::call_once(installed, InstallSignalHandlers);
  const _se_translator_function previous = threadTranslator;
  threadTranslator = translator;
  return previous;
}

void RtlCaptureContext(CONTEXT* context) {
  if (!context) return;
  *context = CONTEXT{};
  void* frames[kContextMaxFrames + 1];
  const int count = backtrace(frames, static_cast<int>(std::size(frames)));
  // frames[0] is this function; the caller's frame is where its record starts.
  for (int i = 1; i < count; ++i) context->Frames[context->FrameCount++] = reinterpret_cast<DWORD64>(frames[i]);
  context->ContextFlags = 1;
  context->Rip = context->FrameCount ? context->Frames[0] : 0;
  context->Rsp = reinterpret_cast<DWORD64>(__builtin_frame_address(0));
  context->Rbp = reinterpret_cast<DWORD64>(__builtin_frame_address(0));
}

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }
HANDLE GetCurrentThread() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-2)); }
DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }
DWORD GetCurrentThreadId() { return static_cast<DWORD>(gettid()); }
