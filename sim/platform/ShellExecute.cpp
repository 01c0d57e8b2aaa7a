// Shell execution: nothing is started here; each request is recorded for the
// tests and the host shell, which says what would have been opened.
#include "platform/shellexec.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {
std::vector<ShellExecution>& Executions() {
  static std::vector<ShellExecution> executions;
  return executions;
}
}  // namespace

const std::vector<ShellExecution>& ShellExecutions() { return Executions(); }
void ClearShellExecutions() { Executions().clear(); }
}  // namespace sim

HINSTANCE ShellExecuteA(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                        int nShowCmd) {
  constexpr LONG_PTR kNoFile = 2;  // SE_ERR_FNF
  constexpr LONG_PTR kStarted = 42;
  if (!lpFile || !*lpFile) return reinterpret_cast<HINSTANCE>(kNoFile);
  sim::Executions().push_back({lpOperation ? lpOperation : "", lpFile, lpParameters ? lpParameters : "",
                               lpDirectory ? lpDirectory : "", nShowCmd});
  return reinterpret_cast<HINSTANCE>(kStarted);
}
