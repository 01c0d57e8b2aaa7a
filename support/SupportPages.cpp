#include "support/SupportPages.h"

#include <cstdio>
#include <vector>

#include "platform/shellexec.h"
#include "support/SupportTexts.h"
#include "support/SystemFacts.h"

namespace {
void OpenAddress(const std::string& address) {
  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
}  // namespace

std::string SupportMailAddress(const std::string& excelVersion) {
  const std::string os = OSVersionText(), platform = PlatformVersionText();
  const int length = std::snprintf(nullptr, 0, kSupportMailBody, os.c_str(), platform.c_str(), excelVersion.c_str(),
                                   kProductName, kProductVersion);
  std::vector<char> body(static_cast<std::size_t>(length) + 1);
  std::snprintf(body.data(), body.size(), kSupportMailBody, os.c_str(), platform.c_str(), excelVersion.c_str(),
                kProductName, kProductVersion);
  return std::string("mailto:") + kSupportAddress + "?body=" + body.data();
}

void OpenSupportMail(const std::string& excelVersion) { OpenAddress(SupportMailAddress(excelVersion)); }

void OpenDemoPage() { OpenAddress(kDemoPage); }
