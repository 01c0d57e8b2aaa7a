// This platform's dump file: a text a developer reads next to the build that
// faulted. Every address is also given as module+offset, which
// `addr2line -f -C -e MODULE OFFSET` turns into a function and a source line.
#include <dlfcn.h>
#include <link.h>

#include <cinttypes>
#include <cstdio>
#include <string>

#include "platform/dbghelp.h"
#include "platform/files.h"
#include "sim/platform/Failure.h"

namespace {

void Append(std::string& out, const char* format, auto... values) {
  char line[1024];
  std::snprintf(line, sizeof line, format, values...);
  out += line;
}

void AppendAddress(std::string& out, DWORD64 address) {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(address), &info) && info.dli_fname) {
    Append(out, "0x%016" PRIx64 " %s+0x%" PRIx64, address, info.dli_fname,
           address - reinterpret_cast<DWORD64>(info.dli_fbase));
    if (info.dli_sname) Append(out, " (%s)", info.dli_sname);
  } else {
    Append(out, "0x%016" PRIx64 " (no module)", address);
  }
  out += "\n";
}

int AppendModule(dl_phdr_info* info, std::size_t, void* data) {
  auto& out = *static_cast<std::string*>(data);
  DWORD64 low = ~DWORD64{0}, high = 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const auto& header = info->dlpi_phdr[i];
    if (header.p_type != PT_LOAD) continue;
    low = std::min<DWORD64>(low, info->dlpi_addr + header.p_vaddr);
    high = std::max<DWORD64>(high, info->dlpi_addr + header.p_vaddr + header.p_memsz);
  }
  if (high == 0) return 0;
  Append(out, "  0x%016" PRIx64 "-0x%016" PRIx64 " %s\n", low, high,
         info->dlpi_name && *info->dlpi_name ? info->dlpi_name : "(main program)");
  return 0;
}

}  // namespace

BOOL MiniDumpWriteDump(HANDLE hProcess, DWORD ProcessId, HANDLE hFile, MINIDUMP_TYPE DumpType,
                       const MINIDUMP_EXCEPTION_INFORMATION* ExceptionParam, const void*, const void*) {
  if (hProcess != GetCurrentProcess() || ProcessId != GetCurrentProcessId() || DumpType != MiniDumpNormal)
    return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  std::string out = "Quorvelle dump file (text)\n";
  Append(out, "Process %u, thread %u\n", ProcessId, ExceptionParam ? ExceptionParam->ThreadId : GetCurrentThreadId());
  const EXCEPTION_POINTERS* pointers = ExceptionParam ? ExceptionParam->ExceptionPointers : nullptr;
  if (pointers && pointers->ExceptionRecord) {
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    Append(out, "Exception %08X, flags %u, at ", record.ExceptionCode, record.ExceptionFlags);
    AppendAddress(out, reinterpret_cast<DWORD64>(record.ExceptionAddress));
    if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
      const ULONG_PTR kind = record.ExceptionInformation[0];
      Append(out, "Access: %s of address 0x%" PRIxPTR "\n", kind == 1 ? "write" : kind == 8 ? "execution" : "read",
             record.ExceptionInformation[1]);
    }
  }
  if (pointers && pointers->ContextRecord) {
    const CONTEXT& context = *pointers->ContextRecord;
    Append(out, "Registers: rip=0x%016" PRIx64 " rsp=0x%016" PRIx64 " rbp=0x%016" PRIx64 "\n", context.Rip, context.Rsp,
           context.Rbp);
    out += "Stack, innermost first (outer frames are return addresses):\n";
    for (DWORD i = 0; i < context.FrameCount && i < kContextMaxFrames; ++i) {
      Append(out, "  #%u ", i);
      AppendAddress(out, context.Frames[i]);
    }
  }
  out += "Modules:\n";
  dl_iterate_phdr(AppendModule, &out);
  DWORD written = 0;
  return WriteFile(hFile, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
}
