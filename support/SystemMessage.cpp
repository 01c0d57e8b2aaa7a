#include "support/SystemMessage.h"

#include "platform/errortext.h"

std::string SystemMessageText(DWORD code) {
  char text[1024];
  if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr) == 0)
    return "";
  return text;
}
