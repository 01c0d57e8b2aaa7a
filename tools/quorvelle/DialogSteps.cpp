#include "tools/quorvelle/DialogSteps.h"

#include "sim/SimOutput.h"
#include "tools/quorvelle/Steps.h"

std::string RunKeyinAtDialog(ModuleLoader& module, const std::string& keyin, const std::string& dialogName,
                             const sim::DialogScript& script) {
  bool shown = false;
  sim::PushDialogScript([&](IDialogPresenter& dialog) {
    shown = true;
    script(dialog);
  });
  StepRunner steps(module);
  if (std::string error = steps.Run("keyin " + keyin); !error.empty()) return error;
  if (!shown) {
    sim::ClearDialogScripts();
    return dialogName + " did not open.";
  }
  return "";
}

std::string LastBoxSince(std::size_t logStart) {
  const auto& log = sim::OutputLog();
  for (std::size_t i = log.size(); i-- > logStart;)
    if (log[i].kind == sim::OutputKind::WindowsMessageBox) return log[i].text;
  return "";
}
