// Sending, posting and dispatching window messages: one queue for the one thread.
#include "sim/platform/MessageQueue.h"

#include <chrono>
#include <deque>
#include <iostream>
#include <vector>

#include "platform/windows.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/WindowTable.h"

namespace sim {
namespace {

// Windows refuses posts beyond this many queued messages; so do we, rather than
// let a runaway poster fill memory.
constexpr std::size_t kMaxQueuedMessages = 10'000;

// Posted message filter: only messages for no window (thread messages).
const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

std::deque<MSG>& Queue() {
  static std::deque<MSG> queue;
  return queue;
}

DWORD MillisecondsSinceStart() {
  static const auto start = std::chrono::steady_clock::now();
  auto elapsed = std::chrono::steady_clock::now() - start;
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

bool Matches(const MSG& msg, HWND filter, UINT first, UINT last) {
  if (filter == kThreadMessagesOnly ? msg.hwnd != nullptr : filter && msg.hwnd != filter) return false;
  return (first == 0 && last == 0) || (msg.message >= first && msg.message <= last);
}

BOOL Post(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (Queue().size() >= kMaxQueuedMessages) {
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return FALSE;
  }
  Queue().push_back(MSG{hWnd, Msg, wParam, lParam, MillisecondsSinceStart(), POINT{0, 0}});
  return TRUE;
}

}  // namespace

void DropQueuedMessagesFor(HWND handle) {
  std::erase_if(Queue(), [&](const MSG& msg) { return msg.hwnd == handle; });
}

void ResetMessageQueue() { Queue().clear(); }

std::size_t PendingMessageCount() { return Queue().size(); }

std::size_t PumpMessages(std::size_t maxDispatches) {
  std::size_t dispatched = 0;
  MSG msg;
  while (dispatched < maxDispatches && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    ++dispatched;
  }
  if (!Queue().empty() && dispatched == maxDispatches)
    std::cerr << "Stopped dispatching window messages after " << dispatched << "; " << Queue().size()
              << " are still queued (a window keeps posting to itself?)\n";
  return dispatched;
}

}  // namespace sim

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (Msg == WM_CLOSE) DestroyWindow(hWnd);
  return 0;  // WM_COPYDATA included: not handled
}

namespace sim {
namespace {

std::chrono::nanoseconds procedureTime{0};
int procedureDepth = 0;

// Runs the window procedure, timing the outermost one.
LRESULT RunProcedure(WNDPROC proc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (procedureDepth > 0) return proc(hWnd, Msg, wParam, lParam);
  struct Timing {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    Timing() { ++procedureDepth; }
    ~Timing() {
      procedureTime += std::chrono::steady_clock::now() - start;
      --procedureDepth;
    }
  } timing;
  return proc(hWnd, Msg, wParam, lParam);
}

}  // namespace

std::chrono::nanoseconds WindowProcedureTime() { return procedureTime; }

}  // namespace sim

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  const sim::Window* window = sim::FindLiveWindow(hWnd);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  WNDPROC proc = window->proc;
  if (Msg != WM_COPYDATA || !lParam) return sim::RunProcedure(proc, hWnd, Msg, wParam, lParam);

  // The receiver gets its own copy, as if it had crossed into another process: the
  // sender's memory is not its to keep or change.
  const auto* sent = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (!sent->lpData && sent->cbData > 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::vector<BYTE> bytes(static_cast<const BYTE*>(sent->lpData),
                          static_cast<const BYTE*>(sent->lpData) + sent->cbData);
  COPYDATASTRUCT received{sent->dwData, sent->cbData, bytes.empty() ? nullptr : bytes.data()};
  return sim::RunProcedure(proc, hWnd, Msg, wParam, reinterpret_cast<LPARAM>(&received));
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  // Its data could not be copied at posting time and the sender's pointer would be
  // stale by the time it is dispatched.
  if (Msg == WM_COPYDATA || Msg == WM_CREATE) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return FALSE;
  }
  if (hWnd && !sim::FindLiveWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return sim::Post(hWnd, Msg, wParam, lParam);
}

void PostQuitMessage(int nExitCode) { sim::Post(nullptr, WM_QUIT, static_cast<WPARAM>(nExitCode), 0); }

BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (hWnd && hWnd != sim::kThreadMessagesOnly && !sim::FindLiveWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  auto& queue = sim::Queue();
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (!sim::Matches(*it, hWnd, wMsgFilterMin, wMsgFilterMax)) continue;
    *lpMsg = *it;
    if (wRemoveMsg & PM_REMOVE) queue.erase(it);
    return TRUE;
  }
  return FALSE;
}

BOOL TranslateMessage(const MSG* lpMsg) { return FALSE; }  // no keyboard here, so nothing to translate

LRESULT DispatchMessageA(const MSG* lpMsg) {
  if (!lpMsg || !lpMsg->hwnd) return 0;  // thread messages go to no window
  return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}
