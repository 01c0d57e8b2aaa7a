#include "ui/Hyperlink.h"

#include "platform/shellexec.h"

void CHyperlink::Open() const {
  if (!target_.empty()) ShellExecuteA(nullptr, "open", target_.c_str(), nullptr, nullptr, SW_SHOW);
}
