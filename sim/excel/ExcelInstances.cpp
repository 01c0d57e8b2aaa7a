// Starting and finding instances by ProgID, and the running instances.
#include "sim/excel/ExcelInstances.h"

#include <algorithm>

#include "platform/registry.h"
#include "sim/SimFailures.h"
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/ExcelWindow.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/StandInApplication.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

struct Instances {
  std::vector<std::shared_ptr<StandInExcel>> started;  // oldest first
  std::function<void(ExcelApplication&)> prepare;
};

Instances& State() {
  static Instances instances;
  return instances;
}

bool IsExcelProgId(const std::string& progId) { return EqualsIgnoringCase(progId, "Excel.Application"); }

// Excel loads the COM add-ins registered for it as it starts: the companion add-in is
// listed when its key is there, and connected when its LoadBehavior says so.
// Whether the add-in is registered for Excel, and whether it loads connected.
bool RegisteredAddin(const char* progId, bool* connect) {
  const std::string key = std::string("Software\\Microsoft\\Office\\Excel\\Addins\\") + progId;
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return false;
  DWORD behavior = 0, type = 0, size = sizeof behavior;
  const bool read = RegQueryValueExA(handle, "LoadBehavior", nullptr, &type, reinterpret_cast<BYTE*>(&behavior),
                                     &size) == ERROR_SUCCESS && type == REG_DWORD;
  RegCloseKey(handle);
  *connect = read && (behavior & 1) != 0;
  return true;
}

void LoadRegisteredComAddIns(ExcelApplication& excel) {
  bool connect = false;
  if (RegisteredAddin(kCompanionAddinProgId, &connect)) RegisterCompanionAddin(excel, connect);
  // The ProjectWise component's add-in serves the documents of the server stand-in.
  if (RegisteredAddin(kProjectWiseAddinProgId, &connect)) RegisterProjectWiseAddin(excel, {}, connect);
}

}  // namespace

ExcelState* FindExcelOfWindow(HWND window) {
  for (const auto& excel : State().started)
    if (excel->state().window == window) return &excel->state();
  return nullptr;
}

void ResetExcel() {
  Instances& instances = State();
  for (const auto& excel : instances.started) EndExcel(excel->state());
  instances.started.clear();
  instances.prepare = nullptr;
}

void SetExcelStartup(std::function<void(ExcelApplication&)> prepare) { State().prepare = std::move(prepare); }

std::vector<ExcelApplicationPtr> RunningExcelInstances() {
  std::vector<ExcelApplicationPtr> running;
  for (const auto& excel : State().started)
    if (!excel->state().ended) running.push_back(excel);
  return running;
}

ExcelApplicationPtr LastStartedExcel() { return State().started.empty() ? nullptr : State().started.back(); }

int StartedExcelCount() { return static_cast<int>(State().started.size()); }

}  // namespace sim

HRESULT CreateAutomationApplication(const std::string& progId, ExcelApplicationPtr* application) {
  if (!application) return sim::kInvalidPointer;
  *application = nullptr;
  if (!sim::IsExcelProgId(progId)) return sim::kClassNotRegistered;
  if (sim::ShouldFail("CreateAutomationApplication")) return sim::kServerExecFailure;
  auto excel = std::make_shared<sim::StandInExcel>();
  sim::State().started.push_back(excel);
  sim::LoadRegisteredComAddIns(*excel);
  if (auto prepare = sim::State().prepare) prepare(*excel);
  *application = excel;
  return S_OK;
}

HRESULT GetActiveAutomationApplication(const std::string& progId, ExcelApplicationPtr* application) {
  if (!application) return sim::kInvalidPointer;
  *application = nullptr;
  if (!sim::IsExcelProgId(progId)) return sim::kClassNotRegistered;
  const auto& started = sim::State().started;
  auto running =
      std::find_if(started.rbegin(), started.rend(), [](const auto& excel) { return !excel->state().ended; });
  if (running == started.rend()) return sim::kOperationUnavailable;
  *application = *running;
  return S_OK;
}
