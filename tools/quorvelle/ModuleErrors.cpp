#include "tools/quorvelle/ModuleErrors.h"

#include "host/msoutput.h"
#include "platform/msgbox.h"
#include "sim/SimOutput.h"

namespace {

bool IsFailure(const sim::OutputEvent& e, bool everyBoxIsAFailure) {
  switch (e.kind) {
    case sim::OutputKind::Error:
    case sim::OutputKind::AdvisoryBox:
      return true;
    case sim::OutputKind::Printf:
      return e.code == MSG_ERROR;
    case sim::OutputKind::MessageCenter:
      return e.code == MESSAGE_ERROR;
    case sim::OutputKind::HostMessageBox:
      return everyBoxIsAFailure || e.code == MSGBOX_ICON_WARNING || e.code == MSGBOX_ICON_CRITICAL;
    case sim::OutputKind::WindowsMessageBox: {
      const UINT icon = static_cast<UINT>(e.code) & MB_ICONMASK;
      return everyBoxIsAFailure || icon == MB_ICONERROR || icon == MB_ICONWARNING;
    }
    default:
      return false;
  }
}

}  // namespace

std::vector<std::string> ReportedFailures(std::size_t from, bool everyBoxIsAFailure) {
  std::vector<std::string> failures;
  const auto& log = sim::OutputLog();
  for (std::size_t i = from; i < log.size(); ++i)
    if (IsFailure(log[i], everyBoxIsAFailure)) failures.push_back(log[i].title.empty() ? log[i].text : log[i].title + ": " + log[i].text);
  return failures;
}
