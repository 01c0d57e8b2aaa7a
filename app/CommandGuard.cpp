#include "app/CommandGuard.h"

#include "automation/ComError.h"
#include "host/msoutput.h"
#include "support/SehException.h"
#include "support/SupportTexts.h"

namespace {
// A clean-up that fails itself must not let the failure reach the host.
void CleanUpQuietly(const CommandGuard& guard) {
  if (!guard.cleanUp) return;
  try {
    guard.cleanUp();
  } catch (...) {
  }
}
}  // namespace

void RunGuarded(const CommandGuard& guard, const std::function<void()>& body) {
  auto other = [&] {
    CleanUpQuietly(guard);
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, guard.unknownMessage, MSGBOX_ICON_INFORMATION);
  };
  try {
    body();
  } catch (const _com_error& e) {
    if (!guard.reportsAutomationErrors) {
      other();
      return;
    }
    CleanUpQuietly(guard);
    mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, e.ErrorMessage().c_str(), MSGBOX_ICON_INFORMATION);
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report(guard.operation), guard.titlePrefix ? guard.titlePrefix() : "");
  } catch (...) {
    other();
  }
}
