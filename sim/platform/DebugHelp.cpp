// The debugging library of this platform: modules, symbols and source lines of the
// running process from its ELF files and their DWARF information (elfutils' libdw),
// and the frames of a stack from the record a fault left in its context.
#include <elfutils/libdwfl.h>
#include <cxxabi.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "platform/dbghelp.h"
#include "sim/platform/Failure.h"

namespace {

struct SymbolHandler {
  Dwfl* dwfl = nullptr;
  std::string searchPath;
  // Windows' defaults.
  DWORD options = SYMOPT_UNDNAME | SYMOPT_DEFERRED_LOADS;
  // Source file names handed out in IMAGEHLP_LINE64, valid until SymCleanup.
  std::deque<std::string> fileNames;
};

SymbolHandler& Handler() {
  static SymbolHandler handler;
  return handler;
}

char* debugInfoPath = nullptr;
const Dwfl_Callbacks kCallbacks = {dwfl_linux_proc_find_elf, dwfl_standard_find_debuginfo, nullptr, &debugInfoPath};

bool IsThisProcess(HANDLE process) { return process == GetCurrentProcess(); }

Dwfl_Module* ModuleAt(HANDLE process, DWORD64 address) {
  SymbolHandler& handler = Handler();
  if (!IsThisProcess(process) || !handler.dwfl) return nullptr;
  return dwfl_addrmodule(handler.dwfl, static_cast<Dwarf_Addr>(address));
}

void CopyText(char* target, std::size_t size, const char* text) {
  if (size == 0) return;
  std::strncpy(target, text ? text : "", size - 1);
  target[size - 1] = '\0';
}

// The demangled name; only the qualified name, without parameters, when asked.
bool Demangle(const char* name, bool nameOnly, std::string& out) {
  int status = 0;
  char* text = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  if (status != 0 || !text) {
    out = name;  // not a decorated name: it stands as it is
    return true;
  }
  out = text;
  std::free(text);
  if (!nameOnly) return true;
  int depth = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    if (c == '<') ++depth;
    if (c == '>') --depth;
    if (c == '(' && depth == 0 && out.compare(i, 21, "(anonymous namespace)") != 0) {
      out.erase(i);
      break;
    }
    if (c == '(') i += 20;  // past "(anonymous namespace)"
  }
  return true;
}

}  // namespace

BOOL SymInitialize(HANDLE hProcess, PCSTR UserSearchPath, BOOL) {
  if (!IsThisProcess(hProcess)) return sim::FailWith(ERROR_INVALID_HANDLE, FALSE);
  SymbolHandler& handler = Handler();
  if (handler.dwfl) dwfl_end(handler.dwfl);
  handler.fileNames.clear();
  handler.searchPath = UserSearchPath ? UserSearchPath : ".";
  handler.dwfl = dwfl_begin(&kCallbacks);
  if (!handler.dwfl) return sim::FailWith(ERROR_NOT_ENOUGH_MEMORY, FALSE);
  if (dwfl_linux_proc_report(handler.dwfl, getpid()) != 0 || dwfl_report_end(handler.dwfl, nullptr, nullptr) != 0) {
    dwfl_end(handler.dwfl);
    handler.dwfl = nullptr;
    return sim::FailWith(ERROR_GEN_FAILURE, FALSE);
  }
  return TRUE;
}

BOOL SymCleanup(HANDLE hProcess) {
  SymbolHandler& handler = Handler();
  if (!IsThisProcess(hProcess) || !handler.dwfl) return sim::FailWith(ERROR_INVALID_HANDLE, FALSE);
  dwfl_end(handler.dwfl);
  handler.dwfl = nullptr;
  handler.fileNames.clear();
  return TRUE;
}

DWORD SymGetOptions() { return Handler().options; }

DWORD SymSetOptions(DWORD SymOptions) {
  Handler().options = SymOptions;
  return SymOptions;
}

BOOL SymGetSearchPath(HANDLE hProcess, PSTR SearchPath, DWORD SearchPathLength) {
  SymbolHandler& handler = Handler();
  if (!IsThisProcess(hProcess) || !handler.dwfl) return sim::FailWith(ERROR_INVALID_HANDLE, FALSE);
  if (!SearchPath || SearchPathLength <= handler.searchPath.size()) return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
  CopyText(SearchPath, SearchPathLength, handler.searchPath.c_str());
  return TRUE;
}

// Every module of the process was reported when the handler started.
DWORD64 SymLoadModule64(HANDLE hProcess, HANDLE, PCSTR, PCSTR, DWORD64 BaseOfDll, DWORD) {
  if (!ModuleAt(hProcess, BaseOfDll)) return sim::FailWith(ERROR_MOD_NOT_FOUND, DWORD64{0});
  return BaseOfDll;
}

BOOL SymGetSymFromAddr64(HANDLE hProcess, DWORD64 qwAddr, DWORD64* pdwDisplacement, IMAGEHLP_SYMBOL64* Symbol) {
  if (!Symbol || Symbol->MaxNameLength == 0) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  Dwfl_Module* module = ModuleAt(hProcess, qwAddr);
  if (!module) return sim::FailWith(ERROR_MOD_NOT_FOUND, FALSE);
  GElf_Off offset = 0;
  GElf_Sym symbol{};
  const char* name = dwfl_module_addrinfo(module, qwAddr, &offset, &symbol, nullptr, nullptr, nullptr);
  if (!name) return sim::FailWith(ERROR_INVALID_ADDRESS, FALSE);
  std::string shown = name;
  if (Handler().options & SYMOPT_UNDNAME) Demangle(name, true, shown);
  Symbol->Address = qwAddr - offset;
  Symbol->Size = static_cast<DWORD>(symbol.st_size);
  Symbol->Flags = 0;
  CopyText(Symbol->Name, Symbol->MaxNameLength, shown.c_str());
  if (pdwDisplacement) *pdwDisplacement = offset;
  return TRUE;
}

BOOL SymGetLineFromAddr64(HANDLE hProcess, DWORD64 qwAddr, DWORD* pdwDisplacement, IMAGEHLP_LINE64* Line) {
  if (!Line) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  if (!(Handler().options & SYMOPT_LOAD_LINES)) return sim::FailWith(ERROR_INVALID_ADDRESS, FALSE);
  Dwfl_Module* module = ModuleAt(hProcess, qwAddr);
  if (!module) return sim::FailWith(ERROR_MOD_NOT_FOUND, FALSE);
  Dwfl_Line* line = dwfl_module_getsrc(module, qwAddr);
  Dwarf_Addr lineAddress = 0;
  int lineNumber = 0;
  const char* file = line ? dwfl_lineinfo(line, &lineAddress, &lineNumber, nullptr, nullptr, nullptr) : nullptr;
  if (!file) return sim::FailWith(ERROR_INVALID_ADDRESS, FALSE);
  std::deque<std::string>& names = Handler().fileNames;
  names.emplace_back(file);
  Line->Key = nullptr;
  Line->LineNumber = static_cast<DWORD>(lineNumber);
  Line->FileName = names.back().data();
  Line->Address = lineAddress;
  if (pdwDisplacement) *pdwDisplacement = static_cast<DWORD>(qwAddr - lineAddress);
  return TRUE;
}

BOOL SymGetModuleInfo64(HANDLE hProcess, DWORD64 qwAddr, IMAGEHLP_MODULE64* ModuleInfo) {
  if (!ModuleInfo) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  Dwfl_Module* module = ModuleAt(hProcess, qwAddr);
  if (!module) return sim::FailWith(ERROR_MOD_NOT_FOUND, FALSE);
  // The debugging information is looked for first, so that its file is known.
  Dwarf_Addr bias = 0;
  const bool hasLines = dwfl_module_getdwarf(module, &bias) != nullptr;
  const int symbols = dwfl_module_getsymtab(module);
  Dwarf_Addr start = 0, end = 0;
  const char* mainFile = nullptr;
  const char* debugFile = nullptr;
  const char* name = dwfl_module_info(module, nullptr, &start, &end, nullptr, nullptr, &mainFile, &debugFile);
  const std::string image = mainFile ? mainFile : (name ? name : "");
  std::string base = image.substr(image.find_last_of('/') + 1);
  base = base.substr(0, base.find('.'));
  ModuleInfo->BaseOfImage = start;
  ModuleInfo->ImageSize = static_cast<DWORD>(end - start);
  ModuleInfo->TimeDateStamp = 0;
  ModuleInfo->CheckSum = 0;
  ModuleInfo->NumSyms = symbols > 0 ? static_cast<DWORD>(symbols) : 0;
  ModuleInfo->SymType = hasLines ? SymPdb : symbols > 0 ? SymExport : SymNone;
  CopyText(ModuleInfo->ModuleName, sizeof ModuleInfo->ModuleName, base.c_str());
  CopyText(ModuleInfo->ImageName, sizeof ModuleInfo->ImageName, image.c_str());
  CopyText(ModuleInfo->LoadedImageName, sizeof ModuleInfo->LoadedImageName, image.c_str());
  CopyText(ModuleInfo->LoadedPdbName, sizeof ModuleInfo->LoadedPdbName,
           hasLines ? (debugFile ? debugFile : image.c_str()) : "");
  return TRUE;
}

DWORD UnDecorateSymbolName(PCSTR name, PSTR outputString, DWORD maxStringLength, DWORD flags) {
  if (!name || !outputString || maxStringLength == 0) return sim::FailWith(ERROR_INVALID_PARAMETER, DWORD{0});
  std::string text;
  Demangle(name, (flags & UNDNAME_NAME_ONLY) != 0, text);
  CopyText(outputString, maxStringLength, text.c_str());
  return static_cast<DWORD>(std::strlen(outputString));
}

namespace {
struct ModuleWalk {
  PENUMLOADED_MODULES_CALLBACK64 callback;
  PVOID context;
};
int EachModule(Dwfl_Module* module, void**, const char* name, Dwarf_Addr start, void* arg) {
  auto* walk = static_cast<ModuleWalk*>(arg);
  Dwarf_Addr end = 0;
  const char* mainFile = nullptr;
  dwfl_module_info(module, nullptr, nullptr, &end, nullptr, nullptr, &mainFile, nullptr);
  const char* shown = mainFile ? mainFile : name;
  return walk->callback(shown ? shown : "", start, static_cast<ULONG>(end - start), walk->context) ? DWARF_CB_OK
                                                                                                     : DWARF_CB_ABORT;
}
}  // namespace

BOOL EnumerateLoadedModules64(HANDLE hProcess, PENUMLOADED_MODULES_CALLBACK64 EnumLoadedModulesCallback,
                              PVOID UserContext) {
  if (!IsThisProcess(hProcess) || !EnumLoadedModulesCallback) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  // A handler of its own, so that listing the modules needs no SymInitialize.
  Dwfl* dwfl = dwfl_begin(&kCallbacks);
  if (!dwfl) return sim::FailWith(ERROR_NOT_ENOUGH_MEMORY, FALSE);
  BOOL result = FALSE;
  if (dwfl_linux_proc_report(dwfl, getpid()) == 0 && dwfl_report_end(dwfl, nullptr, nullptr) == 0) {
    ModuleWalk walk{EnumLoadedModulesCallback, UserContext};
    dwfl_getmodules(dwfl, EachModule, &walk, 0);
    result = TRUE;
  } else {
    SetLastError(ERROR_GEN_FAILURE);
  }
  dwfl_end(dwfl);
  return result;
}

PVOID SymFunctionTableAccess64(HANDLE, DWORD64) { return nullptr; }

DWORD64 SymGetModuleBase64(HANDLE hProcess, DWORD64 qwAddr) {
  Dwfl_Module* module = ModuleAt(hProcess, qwAddr);
  Dwarf_Addr start = 0;
  if (module) dwfl_module_info(module, nullptr, &start, nullptr, nullptr, nullptr, nullptr, nullptr);
  return start;
}

// The frame's place in the context's record of the stack is kept in Reserved[0]:
// 0 before the first call, else the index of the frame returned plus one. Outer
// frames are given as their return address less one, inside their call
// instruction, so that their symbol and line are those of the call.
BOOL StackWalk64(DWORD, HANDLE, HANDLE, STACKFRAME64* StackFrame, PVOID ContextRecord, PREAD_PROCESS_MEMORY_ROUTINE64,
                 PFUNCTION_TABLE_ACCESS_ROUTINE64, PGET_MODULE_BASE_ROUTINE64, PTRANSLATE_ADDRESS_ROUTINE64) {
  if (!StackFrame || !ContextRecord) return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  const auto* context = static_cast<const CONTEXT*>(ContextRecord);
  const DWORD64 index = StackFrame->AddrPC.Offset == 0 ? 0 : StackFrame->Reserved[0];
  if (index >= context->FrameCount) return sim::FailWith(ERROR_NO_MORE_ITEMS, FALSE);
  auto at = [&](DWORD64 i) { return i == 0 ? context->Frames[0] : context->Frames[i] - 1; };
  StackFrame->AddrPC = {at(index), 0, AddrModeFlat};
  StackFrame->AddrReturn = {index + 1 < context->FrameCount ? at(index + 1) : 0, 0, AddrModeFlat};
  StackFrame->AddrFrame = {index == 0 ? context->Rbp : 0, 0, AddrModeFlat};
  StackFrame->AddrStack = {index == 0 ? context->Rsp : 0, 0, AddrModeFlat};
  StackFrame->Reserved[0] = index + 1;
  return TRUE;
}
