// The stand-in of the ProjectWise component's library: its document browser is the
// person's queued choice, and a chosen document is fetched as a local working copy
// from the folder that stands for the server.
#include <string>

#include "platform/wintypes.h"
#include "sim/Strings.h"
#include "sim/projectwise/ProjectWiseServer.h"

namespace {

// Copies the text into the caller's buffer of `size` characters; false when it does
// not fit with its terminator.
bool CopyOut(const std::string& text, WCHAR* buffer, int size) {
  const std::u16string wide = sim::Utf8ToUtf16(text);
  if (!buffer || size <= 0 || wide.size() + 1 > static_cast<std::size_t>(size)) return false;
  wide.copy(buffer, wide.size());
  buffer[wide.size()] = 0;
  return true;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int SelectDocumentFromProjectWiseServer(HWND, WCHAR* buffer, int size) {
  const std::string chosen = sim::TakeProjectWiseChoice();
  return !chosen.empty() && CopyOut(chosen, buffer, size) ? 1 : 0;
}

__attribute__((visibility("default"))) int OpenDocumentFromProjectWiseServer(HWND, int, WCHAR* buffer, int size) {
  const std::string chosen = sim::TakeProjectWiseChoice();
  if (chosen.empty()) return 0;
  std::string error;
  const std::string copy = sim::FetchServerDocument(chosen, &error);
  return !copy.empty() && CopyOut(copy, buffer, size) ? 1 : 0;
}

}  // extern "C"
