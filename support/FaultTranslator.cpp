#include "support/FaultTranslator.h"

#include <string>

#include "platform/dbghelp.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "support/Registry.h"
#include "support/SehException.h"

namespace {

void TranslateFault(unsigned int, EXCEPTION_POINTERS* pointers) {
  WriteCrashDump(pointers);
  throw win_seh_exception(pointers);
}

}  // namespace

void InstallFaultTranslator() { _set_se_translator(TranslateFault); }

void WriteCrashDump(EXCEPTION_POINTERS* pointers) {
  std::string folder;
  if (ReadRegistryString(HKEY_LOCAL_MACHINE, InstallationKeyPath(), "Path", &folder) && !folder.empty() &&
      folder.back() != '\\')
    folder += '\\';
  const std::string path = folder + "MdlQuorvelle.dmp";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  MINIDUMP_EXCEPTION_INFORMATION information{GetCurrentThreadId(), pointers, FALSE};
  MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpNormal, &information, nullptr, nullptr);
  CloseHandle(file);
}
