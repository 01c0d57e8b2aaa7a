#include "support/StackWalker.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/process.h"
#include "platform/paths.h"
#include "platform/version.h"

namespace {

constexpr char kPublicSymbolServer[] = "https://msdl.microsoft.com/download/symbols";

const char* SymTypeText(DWORD type) {
  static const char* const kTexts[] = {"-nosymbols-", "COFF", "CV",    "PDB",    "-exported-",
                                       "-deferred-",  "SYM",  "DIA",   "Virtual"};
  return type < std::size(kTexts) ? kTexts[type] : "";
}

std::string Environment(const char* name) {
  char value[1024];
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

struct ModuleList {
  std::vector<std::pair<std::string, std::pair<DWORD64, ULONG>>> modules;
};

BOOL CollectModule(PCSTR name, DWORD64 base, ULONG size, PVOID context) {
  static_cast<ModuleList*>(context)->modules.push_back({name, {base, size}});
  return TRUE;
}

}  // namespace

StackWalker::StackWalker(int options, LPCSTR symbolPath, DWORD processId, HANDLE process)
    : options_(options), userSymbolPath_(symbolPath ? symbolPath : ""), processId_(processId), process_(process) {}

StackWalker::StackWalker(const StackWalker& other)
    : options_(other.options_),
      userSymbolPath_(other.userSymbolPath_),
      processId_(other.processId_),
      process_(other.process_) {}

StackWalker::~StackWalker() {
  if (modulesLoaded_) SymCleanup(process_);
}

void StackWalker::WriteFormatted(const char* format, ...) {
  char line[4096];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  WriteLine(line);
}

std::string StackWalker::SymbolSearchPath() const {
  std::string path;
  if (!userSymbolPath_.empty()) path += userSymbolPath_ + ";";
  path += ".;";
  char folder[MAX_PATH];
  const DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  if (n > 0 && n < sizeof folder) path += std::string(folder, n) + ";";
  if (GetModuleFileNameA(nullptr, folder, sizeof folder) > 0) {
    std::string program = folder;
    const std::size_t slash = program.find_last_of("\\/:");
    if (slash != std::string::npos) path += program.substr(0, slash) + ";";
  }
  for (const char* variable : {"_NT_SYMBOL_PATH", "_NT_ALTERNATE_SYMBOL_PATH"}) {
    const std::string value = Environment(variable);
    if (!value.empty()) path += value + ";";
  }
  const std::string systemRoot = Environment("SYSTEMROOT");
  if (!systemRoot.empty()) path += systemRoot + ";" + systemRoot + "\\system32;";
  if (options_ & SymUseSymSrv) {
    std::string drive = Environment("SYSTEMDRIVE");
    if (drive.empty()) drive = "c:";
    path += "SRV*" + drive + "\\websymbols*" + kPublicSymbolServer + ";";
  }
  return path;
}

// The debugging library is part of this platform, so there is no file to look for:
// starting its symbol handler and reading the process's modules is all there is.
bool StackWalker::LoadModules() {
  if (modulesLoaded_) return true;
  const std::string searchPath = (options_ & SymBuildPath) ? SymbolSearchPath() : userSymbolPath_;
  if (!SymInitialize(process_, searchPath.empty() ? nullptr : searchPath.c_str(), FALSE)) {
    ReportLibraryError("Error while initializing dbghelp.dll", GetLastError(), 0);
    return false;
  }
  modulesLoaded_ = true;
  const DWORD symOptions = SymSetOptions(SymGetOptions() | SYMOPT_LOAD_LINES | SYMOPT_FAIL_CRITICAL_ERRORS);
  char user[256] = "";
  DWORD userSize = sizeof user;
  if (!GetUserNameA(user, &userSize)) user[0] = '\0';
  char path[4096] = "";
  if (!SymGetSearchPath(process_, path, sizeof path)) path[0] = '\0';
  ReportSymbolInit(path, symOptions, user);

  ModuleList list;
  EnumerateLoadedModules64(process_, CollectModule, &list);
  for (const auto& [image, place] : list.modules) {
    const DWORD64 base = SymLoadModule64(process_, nullptr, image.c_str(), nullptr, place.first, place.second);
    const DWORD result = base ? ERROR_SUCCESS : GetLastError();
    IMAGEHLP_MODULE64 info{};
    info.SizeOfStruct = sizeof info;
    const bool known = SymGetModuleInfo64(process_, place.first, &info);
    // File versions are resources of Windows files; this platform's files carry none.
    ReportModule(image.c_str(), known ? info.ModuleName : "", place.first, place.second, result,
                 known ? SymTypeText(info.SymType) : "-nosymbols-", known ? info.LoadedPdbName : "", 0);
  }
  return true;
}

BOOL StackWalker::WalkStack(HANDLE thread, const CONTEXT* context) {
  if (!LoadModules()) return FALSE;
  CONTEXT present{};
  if (!context) {
    if (thread != GetCurrentThread()) {
      // Reading another thread's registers needs it suspended, which this
      // platform's threads do not offer.
      ReportLibraryError("GetThreadContext", ERROR_NOT_SUPPORTED, 0);
      return FALSE;
    }
    RtlCaptureContext(&present);
    context = &present;
  }
  CONTEXT walked = *context;  // the library may change the context as it walks

  STACKFRAME64 frame{};  // a frame at address 0: the walk starts from the context

  std::vector<char> symbolBuffer(sizeof(IMAGEHLP_SYMBOL64) + kMaxNameLength);
  auto* symbol = reinterpret_cast<IMAGEHLP_SYMBOL64*>(symbolBuffer.data());
  int recursions = 0;
  for (int frameNumber = 0;; ++frameNumber) {
    if (!StackWalk64(IMAGE_FILE_MACHINE_I386, process_, thread, &frame, &walked, nullptr, SymFunctionTableAccess64,
                     SymGetModuleBase64, nullptr)) {
      ReportLibraryError("StackWalk64", GetLastError(), frame.AddrPC.Offset);
      break;
    }
    CallstackEntry entry;
    entry.offset = frame.AddrPC.Offset;
    if (frame.AddrPC.Offset == frame.AddrReturn.Offset) {
      if (++recursions > kMaxRecursionCount) {
        ReportLibraryError("StackWalk64-Endless-Callstack!", 0, frame.AddrPC.Offset);
        break;
      }
    } else {
      recursions = 0;
    }
    if (frame.AddrPC.Offset != 0) {
      *symbol = IMAGEHLP_SYMBOL64{};
      symbol->SizeOfStruct = sizeof(IMAGEHLP_SYMBOL64);
      symbol->MaxNameLength = kMaxNameLength;
      if (SymGetSymFromAddr64(process_, frame.AddrPC.Offset, &entry.offsetFromSymbol, symbol)) {
        entry.name = symbol->Name;
        char undecorated[kMaxNameLength];
        if (UnDecorateSymbolName(symbol->Name, undecorated, sizeof undecorated, UNDNAME_NAME_ONLY))
          entry.undName = undecorated;
        if (UnDecorateSymbolName(symbol->Name, undecorated, sizeof undecorated, UNDNAME_COMPLETE))
          entry.undFullName = undecorated;
      } else {
        ReportLibraryError("SymGetSymFromAddr64", GetLastError(), frame.AddrPC.Offset);
      }
      IMAGEHLP_LINE64 line{};
      line.SizeOfStruct = sizeof line;
      if (SymGetLineFromAddr64(process_, frame.AddrPC.Offset, &entry.offsetFromLine, &line)) {
        entry.lineNumber = line.LineNumber;
        entry.lineFileName = line.FileName ? line.FileName : "";
      } else {
        ReportLibraryError("SymGetLineFromAddr64", GetLastError(), frame.AddrPC.Offset);
      }
      IMAGEHLP_MODULE64 module{};
      module.SizeOfStruct = sizeof module;
      if (SymGetModuleInfo64(process_, frame.AddrPC.Offset, &module)) {
        entry.symType = module.SymType;
        entry.symTypeString = SymTypeText(module.SymType);
        entry.moduleName = module.ModuleName;
        entry.baseOfImage = module.BaseOfImage;
        entry.loadedImageName = module.LoadedImageName;
      } else {
        ReportLibraryError("SymGetModuleInfo64", GetLastError(), frame.AddrPC.Offset);
      }
    }
    ReportFrame(frameNumber == 0 ? firstEntry : nextEntry, entry);
    if (frame.AddrReturn.Offset == 0) {
      CallstackEntry last;
      ReportFrame(lastEntry, last);
      break;
    }
  }
  return TRUE;
}

void StackWalker::ReportSymbolInit(LPCSTR searchPath, DWORD symOptions, LPCSTR userName) {
  if (options_ & (SymBuildPath | SymUseSymSrv))
    WriteFormatted("SymInit: Symbol-SearchPath: '%s', symOptions: %d, UserName: '%s'\n", searchPath, symOptions,
                   userName);
  OSVERSIONINFOEXA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)))
    WriteFormatted("OS-Version: %d.%d.%d (%s) 0x%x-0x%x\n", version.dwMajorVersion, version.dwMinorVersion,
                   version.dwBuildNumber, version.szCSDVersion, version.wSuiteMask, version.wProductType);
}

void StackWalker::ReportModule(LPCSTR image, LPCSTR module, DWORD64 baseAddress, DWORD size, DWORD result,
                               LPCSTR symType, LPCSTR pdbName, unsigned long long fileVersion) {
  if (fileVersion == 0) {
    WriteFormatted("%s:%s (%p), size: %d (result: %d), SymType: '%s', PDB: '%s'\n", image, module,
                   reinterpret_cast<void*>(baseAddress), size, result, symType, pdbName);
    return;
  }
  WriteFormatted("%s:%s (%p), size: %d (result: %d), SymType: '%s', PDB: '%s', fileVersion: %d.%d.%d.%d\n", image,
                 module, reinterpret_cast<void*>(baseAddress), size, result, symType, pdbName,
                 static_cast<int>((fileVersion >> 48) & 0xFFFF), static_cast<int>((fileVersion >> 32) & 0xFFFF),
                 static_cast<int>((fileVersion >> 16) & 0xFFFF), static_cast<int>(fileVersion & 0xFFFF));
}

void StackWalker::ReportFrame(CallstackEntryType type, CallstackEntry& entry) {
  if (type == lastEntry || entry.offset == 0) return;
  const std::string& function = !entry.undFullName.empty() ? entry.undFullName
                                : !entry.undName.empty()    ? entry.undName
                                : !entry.name.empty()       ? entry.name
                                                            : std::string("(function-name not available)");
  if (!entry.lineFileName.empty()) {
    WriteFormatted("%s (%d): %s\n", entry.lineFileName.c_str(), entry.lineNumber, function.c_str());
    return;
  }
  WriteFormatted("%p (%s): %s: %s\n", reinterpret_cast<void*>(entry.offset),
                 entry.moduleName.empty() ? "(module-name not available)" : entry.moduleName.c_str(),
                 "(filename not available)", function.c_str());
}

void StackWalker::ReportLibraryError(LPCSTR functionName, DWORD lastError, DWORD64 address) {
  WriteFormatted("ERROR: %s, GetLastError: %d (Address: %p)\n", functionName, lastError,
                 reinterpret_cast<void*>(address));
}

void StackWalker::WriteLine(LPCSTR text) { OutputDebugStringA(text); }
