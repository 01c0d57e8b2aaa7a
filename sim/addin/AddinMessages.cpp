#include "sim/addin/AddinMessages.h"

#include "platform/windows.h"

namespace sim {

HWND FindSignalWindow() { return FindWindowA(nullptr, kSignalWindowCaption); }

void SignalWindowMessages::CopyData(ULONG_PTR kind, const void* data, std::size_t size) {
  COPYDATASTRUCT copy{kind, static_cast<DWORD>(size), const_cast<void*>(data)};
  SendMessageA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

void SignalWindowMessages::Path(const std::string& workbookPath) {
  CopyData(kCopyDataPath, workbookPath.c_str(), workbookPath.size() + 1);
}

void SignalWindowMessages::Message(const std::string& text) {
  CopyData(kCopyDataMessage, text.c_str(), text.size() + 1);
}

void SignalWindowMessages::Begin(int cellsPerRow) { SendMessageA(window_, kMsgBeginTable, 0, cellsPerRow); }

void SignalWindowMessages::Record(const std::vector<unsigned char>& bytes) { CopyData(kCopyDataRecord, bytes.data(), bytes.size()); }

void SignalWindowMessages::End(int flags) { SendMessageA(window_, kMsgEndTable, 0, flags); }

}  // namespace sim
