#include "support/SehException.h"

#include <cstdio>

#include "host/msoutput.h"
#include "support/Breadcrumbs.h"
#include "support/SupportTexts.h"

win_seh_exception::win_seh_exception(const EXCEPTION_POINTERS* pointers)
    : StackWalker(OptionsAll, nullptr, GetCurrentProcessId(), GetCurrentProcess()) {
  if (pointers && pointers->ExceptionRecord) record_ = *pointers->ExceptionRecord;
  if (pointers && pointers->ContextRecord) context_ = *pointers->ContextRecord;
  record_.ExceptionRecord = nullptr;  // a chained record is not copied with it
  report_.clear();
  options_ = RetrieveSymbol | RetrieveLine | RetrieveFileVersion;
}

std::string win_seh_exception::report(const char* operation) {
  char line[512];
  std::snprintf(line, sizeof line, "Catched the Exception in %s: %X.\n", operation ? operation : "",
                static_cast<unsigned>(record_.ExceptionCode));
  report_ = line;
  if (crashStep != 0 || !crashName.empty()) {
    std::snprintf(line, sizeof line, "%s, %d\n", crashName.c_str(), crashStep);
    report_ += line;
  }
  WalkStack(GetCurrentThread(), &context_);
  return report_;
}

void ShowFaultReport(const std::string& report, const std::string& titlePrefix) {
  const std::string title = titlePrefix + "Please send this error to " + kSupportAddress + ".";
  mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, title.c_str(), report.c_str(), MSGBOX_ICON_INFORMATION);
}
