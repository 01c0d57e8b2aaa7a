#include "excel/ComError.h"

#include <cstdio>

std::string _com_error::ErrorMessage() const {
  if (!message_.empty()) return message_;
  char text[64];
  std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(static_cast<DWORD>(hr_)));
  return text;
}
