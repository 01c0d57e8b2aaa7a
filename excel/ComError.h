// An automation error as Excel raises it: a status code and its message text.
#pragma once

#include <string>

#include "platform/wintypes.h"

class _com_error {
 public:
  explicit _com_error(HRESULT hr, std::string message = "") : hr_(hr), message_(std::move(message)) {}
  HRESULT Error() const { return hr_; }
  // The error's text: the one it carries, else "Unknown error 0x%0lX".
  std::string ErrorMessage() const;

 private:
  HRESULT hr_;
  std::string message_;
};
