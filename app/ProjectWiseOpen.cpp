// Opening a workbook held on a ProjectWise server in Excel: through the ProjectWise
// component's add-in when it is connected, else through the companion add-in, which
// asks the component itself.
#include <cstdio>
#include <string>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "automation/ComError.h"
#include "excel/AddinTexts.h"
#include "host/msoutput.h"
#include "platform/registry.h"
#include "support/Breadcrumbs.h"
#include "support/SehException.h"
#include "support/TextConvert.h"

namespace {

constexpr char kOperation[] = "CAcadFunc::OpenWorkbookOnProjectWise";
constexpr char kProjectWiseMarkerKey[] = "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}";
constexpr char kProjectWiseProgId[] = "QuorvellePW.Connect";
constexpr char kProjectWiseInterface[] = "{4F0485EF-CBC0-4A33-8DE9-253CF76D5F64}";
constexpr int kProjectWiseOpenDispid = 1;
constexpr int kCompanionOpenDispid = 7;

void Say(const std::string& text) { mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, text.c_str(), MSGBOX_ICON_INFORMATION); }
// Texts that came from the component go out as UTF-16, whatever they hold.
void SayWide(const std::string& text) {
  mdlDialog_openMessageBoxW(DIALOGID_MsgBoxOK, NarrowToWide(text).c_str(), MSGBOX_ICON_INFORMATION);
}

std::string Formatted(const char* format, const std::string& a, const std::string& b = "") {
  char text[2048];
  std::snprintf(text, sizeof text, format, a.c_str(), b.c_str());
  return text;
}

bool ComponentInstalled() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kProjectWiseMarkerKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The step reached, kept across both branches for the fallback's last message.
int step = 0;
void Step(int number) {
  step = number;
  RecordStep(kOperation, number);
}

void SayStepReached() {
  char text[256];
  std::snprintf(text, sizeof text, kOpenOnProjectWiseFailed, step);
  Say(text);
}

enum class Outcome { Opened, Failed, TryFallback };

Outcome OpenThroughComponent(ExcelComAddIns& addins, const std::string& path, int openMode) {
  try {
    Step(2469);
    auto item = addins.Item(kProjectWiseProgId);
    Step(2475);
    if (!item || !item->Connect()) return Outcome::TryFallback;
    auto object = item->Object();
    Step(2479);
    if (!object) {
      Say(kProjectWiseComponentMissing);
      return Outcome::Failed;
    }
    Step(2488);
    auto component = object->QueryInterface(kProjectWiseInterface);
    Step(2490);
    object.reset();
    Step(2492);
    if (!component) return Outcome::Failed;
    Step(2497);
    std::string message;
    Step(2501);
    const ExcelVariant opened = component->Invoke(kProjectWiseOpenDispid, {path, openMode, std::string()}, &message);
    if (const int* result = std::get_if<int>(&opened); result && *result != 0) return Outcome::Opened;
    SayWide(Formatted(kCannotOpenDocument, path, message.empty() ? kUnknownError : message));
    return Outcome::Failed;
  } catch (...) {
    return Outcome::TryFallback;
  }
}

int OpenThroughCompanion(ExcelComAddIns& addins, const std::string& path, int openMode) {
  try {
    std::shared_ptr<ExcelComAddIn> addin;
    try {
      addin = addins.Item(kAddinProgId);
    } catch (const _com_error&) {
      // An add-in Excel does not list fails in the dispatch wrapper, not as an error
      // of its own text: the step reached says how far the opening came.
      SayStepReached();
      return 0;
    }
    Step(2524);
    try {
      addin->SetConnect(true);
    } catch (...) {
    }
    Step(2528);
    auto object = addin->Object();
    Step(2535);
    if (!object) {
      Say(kCompanionNotFound);
      return 0;
    }
    std::string message;
    Step(2549);
    object->Invoke(kCompanionOpenDispid, {path, openMode, std::string()}, &message);
    if (message.empty()) return 1;
    SayWide(message);
  } catch (const _com_error& e) {
    Say(e.ErrorMessage());
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report(kOperation));
  } catch (...) {
    SayStepReached();
  }
  return 0;
}

}  // namespace

int CAcadFunc::OpenWorkbookOnProjectWise(const ExcelApplicationPtr& excel, const std::string& path, int openMode) {
  if (!ComponentInstalled()) {
    Say(Formatted(kInstallProjectWiseComponent, path));
    return 0;
  }
  if (path.find('*') == std::string::npos) {
    Say(kInvalidProjectWisePath);
    return 0;
  }
  if (!excel) return 0;
  step = 0;
  auto addins = excel->COMAddIns();  // a failure here is the caller's
  if (!addins) return 0;
  switch (OpenThroughComponent(*addins, path, openMode)) {
    case Outcome::Opened: return 1;
    case Outcome::Failed: return 0;
    case Outcome::TryFallback: return OpenThroughCompanion(*addins, path, openMode);
  }
  return 0;
}
