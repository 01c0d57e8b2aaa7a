// Where the companion add-in's messages for one transfer go: the signal window, a
// transcript, or anything else that takes them in the order the add-in sends them.
#pragma once

#include <string>
#include <vector>

#include "automation/AddinContract.h"
#include "platform/wintypes.h"

namespace sim {

class AddinMessages {
 public:
  virtual ~AddinMessages() = default;
  virtual void Path(const std::string& workbookPath) = 0;            // kCopyDataPath
  virtual void Message(const std::string& text) = 0;                 // kCopyDataMessage, outside a range
  virtual void Begin(int cellsPerRow) = 0;                           // kMsgBeginTable
  virtual void Record(const std::vector<unsigned char>& bytes) = 0;  // kCopyDataRecord
  virtual void End(int flags) = 0;                                   // kMsgEndTable, kEndFlag...
};

// The module's signal window, found by its caption as the add-in finds it; null
// when none is open.
HWND FindSignalWindow();

// Sends each message to the signal window as it comes, the way the add-in does: the
// window handles it before the next one is sent.
class SignalWindowMessages : public AddinMessages {
 public:
  explicit SignalWindowMessages(HWND window) : window_(window) {}
  void Path(const std::string& workbookPath) override;
  void Message(const std::string& text) override;
  void Begin(int cellsPerRow) override;
  void Record(const std::vector<unsigned char>& bytes) override;
  void End(int flags) override;

 private:
  void CopyData(ULONG_PTR kind, const void* data, std::size_t size);
  HWND window_;
};

}  // namespace sim
