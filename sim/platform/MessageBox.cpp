// The standard message box: recorded where every message to the user goes, and
// answered by the script of answers, or else with its first button.
#include "platform/msgbox.h"
#include "sim/SimOutput.h"

namespace sim {
namespace {

int FirstButton(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
      return IDYES;
    case MB_RETRYCANCEL:
      return IDRETRY;
    default:
      return IDOK;  // MB_OK, MB_OKCANCEL
  }
}

}  // namespace
}  // namespace sim

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  sim::OutputEvent event;
  event.kind = sim::OutputKind::WindowsMessageBox;
  event.text = lpText ? lpText : "";
  event.title = lpCaption ? lpCaption : "Error";
  event.code = static_cast<int>(uType);
  const UINT buttons = uType & MB_TYPEMASK;
  const bool question = buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
  if (question && !sim::HasBoxAnswer() && sim::CurrentQuestionAnswerer()) {
    event.answer = sim::CurrentQuestionAnswerer()(event, sim::FirstButton(uType));
  } else {
    event.answer = sim::TakeBoxAnswer(sim::FirstButton(uType));
  }
  return sim::RecordOutput(std::move(event)).answer;
}
