#include "sim/addin/AddinMessages.h"

#include "platform/windows.h"

namespace sim {
namespace {

constexpr char kSignalCaption[] = "2815DA81-AD05-4739-A2AA-3929B1E3CF56";
constexpr UINT kBeginTable = 1125;
constexpr UINT kEndTable = 1126;

}  // namespace

HWND FindSignalWindow() { return FindWindowA(nullptr, kSignalCaption); }

void SignalWindowMessages::CopyData(ULONG_PTR kind, const void* data, std::size_t size) {
  COPYDATASTRUCT copy{kind, static_cast<DWORD>(size), const_cast<void*>(data)};
  SendMessageA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

void SignalWindowMessages::Path(const std::string& workbookPath) {
  CopyData(2, workbookPath.c_str(), workbookPath.size() + 1);
}

void SignalWindowMessages::Begin(int cellsPerRow) { SendMessageA(window_, kBeginTable, 0, cellsPerRow); }

void SignalWindowMessages::Record(const std::vector<unsigned char>& bytes) { CopyData(0, bytes.data(), bytes.size()); }

void SignalWindowMessages::End(int flags) { SendMessageA(window_, kEndTable, 0, flags); }

}  // namespace sim
