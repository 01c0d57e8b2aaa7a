// A processor fault turned into an exception, with the report the user is shown.
#pragma once

#include <exception>
#include <string>

#include "platform/seh.h"
#include "support/StackWalker.h"

// The report of a processor fault in the advisory box the user is asked to send.
void ShowFaultReport(const std::string& report, const std::string& titlePrefix = "");

class win_seh_exception : public std::exception, public StackWalker {
 public:
  // Built on the faulting thread, from what the system reported of the fault.
  explicit win_seh_exception(const EXCEPTION_POINTERS* pointers);
  ~win_seh_exception() override = default;
  const char* what() const noexcept override { return "system exception"; }
  virtual DWORD code() const { return record_.ExceptionCode; }
  virtual const EXCEPTION_RECORD& record() const { return record_; }
  virtual const CONTEXT& context() const { return context_; }
  // "Catched the Exception in <operation>: <code>.", the last breadcrumb, then the
  // modules and the stack at the fault.
  virtual std::string report(const char* operation);

 protected:
  void WriteLine(LPCSTR text) override { report_ += text; }

 private:
  EXCEPTION_RECORD record_{};
  CONTEXT context_{};
  std::string report_;
};
