// The failures of automation calls. A raw COM error is a status code and its message
// text; the framework's dispatch exception is a server's own failure (Excel's status
// code and description, as it raises them for a file it cannot find or a range it
// cannot select), and is a COM error too to code that does not tell them apart.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

#include "platform/wintypes.h"

class _com_error {
 public:
  explicit _com_error(HRESULT hr, std::string message = "") : hr_(hr), message_(std::move(message)) {}
  HRESULT Error() const { return hr_; }
  // The error's text: the one it carries, else "Unknown error 0x%0lX".
  std::string ErrorMessage() const {
    if (!message_.empty()) return message_;
    char text[64];
    std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(static_cast<DWORD>(hr_)));
    return text;
  }

 private:
  HRESULT hr_;
  std::string message_;
};

class COleDispatchException : public _com_error {
 public:
  using _com_error::_com_error;
};
