// The call stack of a thread, listed one line per frame with its function, source
// line and module, after a line per loaded module. Every line goes through
// WriteLine, which a derived class redirects (the crash report collects them).
#pragma once

#include <string>

#include "platform/dbghelp.h"

class StackWalker {
 public:
  enum StackWalkOptions {
    RetrieveSymbol = 1,
    RetrieveLine = 2,
    RetrieveModuleInfo = 4,
    RetrieveFileVersion = 8,
    SymBuildPath = 16,
    SymUseSymSrv = 32,
    OptionsAll = 63,
  };

  explicit StackWalker(int options = OptionsAll, LPCSTR symbolPath = nullptr, DWORD processId = GetCurrentProcessId(),
                       HANDLE process = GetCurrentProcess());
  StackWalker(const StackWalker& other);
  StackWalker& operator=(const StackWalker&) = delete;
  virtual ~StackWalker();

  // Walks and reports the thread's stack from the context (NULL: the thread's
  // present one). FALSE when the debugging library could not start or the context
  // could not be read.
  BOOL WalkStack(HANDLE thread = GetCurrentThread(), const CONTEXT* context = nullptr);

 protected:
  static constexpr int kMaxNameLength = 1024;
  // Frames whose return address is their own address, one after the other, before
  // the walk is given up as endless.
  static constexpr int kMaxRecursionCount = 1000;

  enum CallstackEntryType { firstEntry, nextEntry, lastEntry };
  struct CallstackEntry {
    DWORD64 offset = 0;
    std::string name, undName, undFullName;
    DWORD64 offsetFromSymbol = 0;
    DWORD offsetFromLine = 0;
    DWORD lineNumber = 0;
    std::string lineFileName;
    DWORD symType = 0;
    std::string symTypeString, moduleName, loadedImageName;
    DWORD64 baseOfImage = 0;
  };

  virtual void ReportSymbolInit(LPCSTR searchPath, DWORD symOptions, LPCSTR userName);
  virtual void ReportModule(LPCSTR image, LPCSTR module, DWORD64 baseAddress, DWORD size, DWORD result,
                            LPCSTR symType, LPCSTR pdbName, unsigned long long fileVersion);
  virtual void ReportFrame(CallstackEntryType type, CallstackEntry& entry);
  virtual void ReportLibraryError(LPCSTR functionName, DWORD lastError, DWORD64 address);
  // The debugger's output.
  virtual void WriteLine(LPCSTR text);

  int options_;

 private:
  bool LoadModules();
  std::string SymbolSearchPath() const;
  void WriteFormatted(const char* format, ...);

  std::string userSymbolPath_;
  DWORD processId_;
  HANDLE process_;
  bool modulesLoaded_ = false;
};
