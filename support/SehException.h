// A processor fault turned into an exception, with the report the user is shown.
#pragma once

#include <exception>
#include <string>

#include "platform/wintypes.h"

// The report of a processor fault in the advisory box the user is asked to send.
void ShowFaultReport(const std::string& report, const std::string& titlePrefix = "");

class win_seh_exception : public std::exception {
 public:
  explicit win_seh_exception(DWORD code) : code_(code) {}
  const char* what() const noexcept override { return "system exception"; }
  DWORD code() const { return code_; }
  // "Catched the Exception in <operation>: <code>." and the last breadcrumb.
  std::string report(const char* operation);

 private:
  DWORD code_;
  std::string report_;
};
