// An automation error as Excel raises it: a status code and its message text.
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
