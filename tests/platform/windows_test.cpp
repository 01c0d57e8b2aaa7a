#include "platform/windows.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/platform/SimPlatform.h"

namespace {

// Every window of the test class logs "caption:message" and may have a handler,
// chosen by its caption; without one (or when it returns nothing) DefWindowProcA answers.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
std::vector<std::string> messageLog;
std::map<std::string, Handler> handlers;

std::string MessageName(UINT message) {
  switch (message) {
    case WM_CREATE:
      return "CREATE";
    case WM_DESTROY:
      return "DESTROY";
    case WM_NCDESTROY:
      return "NCDESTROY";
    case WM_CLOSE:
      return "CLOSE";
    case WM_COPYDATA:
      return "COPYDATA";
    default:
      return message >= WM_USER ? "USER+" + std::to_string(message - WM_USER) : std::to_string(message);
  }
}

std::string Caption(HWND hwnd) {
  char text[64] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  std::string caption = Caption(hwnd);
  messageLog.push_back(caption + ":" + MessageName(message));
  auto it = handlers.find(caption);
  if (it != handlers.end())
    if (std::optional<LRESULT> result = it->second(hwnd, message, wParam, lParam)) return *result;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    messageLog.clear();
    handlers.clear();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.lpszClassName = "QvTestWindow";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
  }
  void TearDown() override { handlers.clear(); }

  static HWND Create(const char* caption, DWORD style = 0, HWND parent = nullptr, LPVOID param = nullptr) {
    return CreateWindowExA(0, "QvTestWindow", caption, style, 0, 0, 100, 100, parent, nullptr, nullptr, param);
  }
  static std::vector<std::string> Messages(const std::string& caption) {
    std::vector<std::string> found;
    for (const std::string& entry : messageLog)
      if (entry.rfind(caption + ":", 0) == 0) found.push_back(entry);
    return found;
  }
};

TEST_F(WindowsTest, SendRunsAtOncePostWaitsForThePump) {
  HWND window = Create("Signal");
  handlers["Signal"] = [](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message >= WM_USER) return static_cast<LRESULT>(wParam * 2);
    return std::nullopt;
  };
  messageLog.clear();
  ASSERT_TRUE(PostMessageA(window, WM_USER + 1, 0, 0));
  EXPECT_EQ(SendMessageA(window, WM_USER + 2, 21, 0), 42);
  EXPECT_EQ(messageLog, std::vector<std::string>{"Signal:USER+2"});
  EXPECT_EQ(sim::PendingMessageCount(), 1u);

  EXPECT_EQ(sim::PumpMessages(), 1u);
  EXPECT_EQ(messageLog, (std::vector<std::string>{"Signal:USER+2", "Signal:USER+1"}));
  EXPECT_EQ(sim::PumpMessages(), 0u);
}

TEST_F(WindowsTest, MessagesPostedWhileDispatchingGoOutInTheSamePump) {
  HWND window = Create("Signal");
  handlers["Signal"] = [](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER + 26) PostMessageA(hwnd, WM_USER + 30, 0, 0);  // draw after the call returns
    return std::nullopt;
  };
  messageLog.clear();
  PostMessageA(window, WM_USER + 26, 0, 0);
  EXPECT_EQ(sim::PumpMessages(), 2u);
  EXPECT_EQ(messageLog, (std::vector<std::string>{"Signal:USER+26", "Signal:USER+30"}));
}

TEST_F(WindowsTest, AWindowThatPostsForeverCannotHangThePump) {
  HWND window = Create("Runaway");
  handlers["Runaway"] = [](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) PostMessageA(hwnd, WM_USER, 0, 0);
    return std::nullopt;
  };
  PostMessageA(window, WM_USER, 0, 0);
  EXPECT_EQ(sim::PumpMessages(1000), 1000u);
  EXPECT_EQ(sim::PendingMessageCount(), 1u);
}

TEST_F(WindowsTest, TheQueueIsBounded) {
  HWND window = Create("Signal");
  std::size_t posted = 0;
  while (posted < 20'000 && PostMessageA(window, WM_USER, 0, 0)) ++posted;
  EXPECT_EQ(posted, 10'000u);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_QUOTA);
}

TEST_F(WindowsTest, FindWindowMatchesTheWholeCaption) {
  const char* caption = "2815DA81-AD05-4739-A2AA-3929B1E3CF56";
  HWND signal = Create(caption);
  HWND other = Create("Other");
  Create(caption, WS_CHILD, other);  // children are not searched
  CreateWindowExA(0, "QvTestWindow", "Hidden", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);

  EXPECT_EQ(FindWindowA(nullptr, caption), signal);
  EXPECT_EQ(FindWindowA("qvtestwindow", "2815da81-ad05-4739-a2aa-3929b1e3cf56"), signal);
  EXPECT_EQ(FindWindowA(nullptr, "2815DA81"), nullptr);  // a part is not enough
  EXPECT_EQ(FindWindowA("OtherClass", caption), nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "Hidden"), nullptr);  // message-only windows are never found
  DestroyWindow(signal);
  EXPECT_EQ(FindWindowA(nullptr, caption), nullptr);
}

TEST_F(WindowsTest, CopyDataArrivesAsTheReceiversOwnCopy) {
  HWND window = Create("Signal");
  std::string sentBytes("C:\\Data\\Book1.xlsx\0", 19);
  std::string received;
  ULONG_PTR kind = 99;
  const void* receivedAddress = nullptr;
  handlers["Signal"] = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message != WM_COPYDATA) return std::nullopt;
    auto* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
    kind = data->dwData;
    received.assign(static_cast<const char*>(data->lpData), data->cbData);
    receivedAddress = data->lpData;
    if (data->cbData > 0) static_cast<char*>(data->lpData)[0] = 'X';  // its own copy, not the sender's bytes
    return TRUE;
  };
  COPYDATASTRUCT data{2, static_cast<DWORD>(sentBytes.size()), sentBytes.data()};
  EXPECT_EQ(SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), TRUE);
  EXPECT_EQ(kind, 2u);
  EXPECT_EQ(received, std::string("C:\\Data\\Book1.xlsx\0", 19));
  EXPECT_NE(receivedAddress, sentBytes.data());
  EXPECT_EQ(sentBytes[0], 'C');

  COPYDATASTRUCT empty{1, 0, nullptr};
  EXPECT_EQ(SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&empty)), TRUE);
  EXPECT_EQ(kind, 1u);
  EXPECT_EQ(received, "");
}

TEST_F(WindowsTest, CopyDataCannotBePosted) {
  HWND window = Create("Signal");
  COPYDATASTRUCT data{0, 0, nullptr};
  EXPECT_FALSE(PostMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  EXPECT_EQ(GetLastError(), ERROR_MESSAGE_SYNC_ONLY);
  EXPECT_EQ(sim::PendingMessageCount(), 0u);
}

TEST_F(WindowsTest, DestroyingTakesOwnedWindowsFirstThenTheChildren) {
  HWND owner = Create("Owner");
  HWND owned = Create("Owned", WS_POPUP, owner);
  HWND child = Create("Child", WS_CHILD, owner);
  HWND grandchild = Create("Grandchild", WS_CHILD, child);
  bool childAliveDuringOwnerDestroy = false;
  handlers["Owner"] = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_DESTROY) childAliveDuringOwnerDestroy = IsWindow(child);
    return std::nullopt;
  };
  messageLog.clear();
  ASSERT_TRUE(DestroyWindow(owner));
  EXPECT_EQ(messageLog, (std::vector<std::string>{"Owned:DESTROY", "Owned:NCDESTROY", "Owner:DESTROY", "Child:DESTROY",
                                                  "Grandchild:DESTROY", "Grandchild:NCDESTROY", "Child:NCDESTROY",
                                                  "Owner:NCDESTROY"}));
  EXPECT_TRUE(childAliveDuringOwnerDestroy);
  for (HWND window : {owner, owned, child, grandchild}) EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(sim::WindowCount(), 0u);
}

TEST_F(WindowsTest, DeadWindowsTakeNoMessages) {
  HWND window = Create("Signal");
  PostMessageA(window, WM_USER, 0, 0);  // still queued when the window goes
  ASSERT_TRUE(DestroyWindow(window));
  messageLog.clear();

  SetLastError(0);
  EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(PostMessageA(window, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(DestroyWindow(window));
  EXPECT_EQ(sim::PumpMessages(), 0u);  // the queued message was dropped with its window
  EXPECT_TRUE(messageLog.empty());

  HWND next = Create("Signal");
  EXPECT_NE(next, window);  // handles are never reused
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345))));
}

TEST_F(WindowsTest, CreationSendsCreateWithItsParameterAndShowsAfterwards) {
  int parameter = 7;
  LPVOID seenParameter = nullptr;
  BOOL visibleDuringCreate = TRUE;
  handlers["Shown"] = [&](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_CREATE) {
      seenParameter = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
      visibleDuringCreate = IsWindowVisible(hwnd);
    }
    return std::nullopt;
  };
  HWND shown = Create("Shown", WS_VISIBLE, nullptr, &parameter);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(seenParameter, &parameter);
  EXPECT_FALSE(visibleDuringCreate);
  EXPECT_TRUE(IsWindowVisible(shown));
  EXPECT_FALSE(IsWindowVisible(Create("Hidden")));

  handlers["Refused"] = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_CREATE) return -1;
    return std::nullopt;
  };
  messageLog.clear();
  EXPECT_EQ(Create("Refused"), nullptr);
  EXPECT_EQ(messageLog, (std::vector<std::string>{"Refused:CREATE", "Refused:DESTROY", "Refused:NCDESTROY"}));

  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "x", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  WNDCLASSA again{};
  again.lpfnWndProc = RecordingProc;
  again.lpszClassName = "QVTESTWINDOW";
  EXPECT_EQ(RegisterClassA(&again), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
  EXPECT_FALSE(UnregisterClassA("QvTestWindow", nullptr));  // it still has windows
  EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
}

TEST_F(WindowsTest, ShowStatesAndTheForegroundWindow) {
  HWND main = Create("Main");
  HWND child = Create("Child", WS_CHILD | WS_VISIBLE, main);
  struct Step {
    int command;
    BOOL visible;
    BOOL iconic;
  };
  const Step steps[] = {{SW_SHOW, TRUE, FALSE},      {SW_MINIMIZE, TRUE, TRUE},    {SW_RESTORE, TRUE, FALSE},
                        {SW_HIDE, FALSE, FALSE},     {SW_SHOWNORMAL, TRUE, FALSE}, {SW_SHOWMINIMIZED, TRUE, TRUE},
                        {SW_SHOWNORMAL, TRUE, FALSE}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.command);
    ShowWindow(main, step.command);
    EXPECT_EQ(IsWindowVisible(main), step.visible);
    EXPECT_EQ(IsIconic(main), step.iconic);
    EXPECT_EQ(IsWindowVisible(child), step.visible);  // a child shows only with its parent
  }
  EXPECT_TRUE(ShowWindow(main, SW_HIDE));  // it was visible
  EXPECT_FALSE(ShowWindow(main, SW_HIDE));

  HWND other = Create("Other");
  EXPECT_TRUE(SetForegroundWindow(child));
  EXPECT_EQ(GetForegroundWindow(), main);  // the top-level window comes forward
  EXPECT_EQ(SetActiveWindow(other), main);
  EXPECT_EQ(GetForegroundWindow(), other);
  DestroyWindow(other);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
}

TEST_F(WindowsTest, CaptionsParentsAndSlots) {
  HWND owner = Create("Owner");
  HWND popup = Create("Popup", WS_POPUP, owner);
  HWND overlapped = Create("Overlapped", 0, owner);
  HWND child = Create("Child", WS_CHILD, owner);
  EXPECT_EQ(GetParent(child), owner);
  EXPECT_EQ(GetParent(popup), owner);
  EXPECT_EQ(GetParent(overlapped), nullptr);
  EXPECT_EQ(GetParent(owner), nullptr);

  ASSERT_TRUE(SetWindowTextA(owner, "Größe"));  // "ö" and "ß" take two bytes each
  EXPECT_EQ(GetWindowTextLengthA(owner), 7);
  char text[6];
  EXPECT_EQ(GetWindowTextA(owner, text, sizeof text), 4);  // "Gr" and "ö", not half of "ß"
  EXPECT_STREQ(text, "Grö");

  EXPECT_EQ(SetWindowLongPtrA(owner, GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(SetWindowLongPtrA(owner, GWLP_USERDATA, 5678), 1234);
  EXPECT_EQ(GetWindowLongPtrA(owner, GWLP_USERDATA), 5678);
  EXPECT_EQ(GetWindowLongPtrA(owner, 12345), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
}

WNDPROC previousProc = nullptr;
int subclassCalls = 0;
LRESULT SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ++subclassCalls;
  return CallWindowProcA(previousProc, hwnd, message, wParam, lParam);
}

TEST_F(WindowsTest, ASubclassSeesMessagesFirstAndPassesThemOn) {
  HWND window = Create("Signal");
  subclassCalls = 0;
  previousProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  EXPECT_EQ(previousProc, &RecordingProc);
  messageLog.clear();
  SendMessageA(window, WM_USER, 0, 0);
  EXPECT_EQ(subclassCalls, 1);
  EXPECT_EQ(messageLog, std::vector<std::string>{"Signal:USER+0"});
  EXPECT_EQ(SetWindowLongPtrA(window, GWLP_WNDPROC, 0), 0);  // refused: it would leave no procedure
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SubclassProc));
}

TEST_F(WindowsTest, CloseByDefaultDestroys) {
  HWND window = Create("Signal");
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowsTest, PeekFiltersByWindowAndRange) {
  HWND first = Create("First");
  HWND second = Create("Second");
  PostMessageA(first, WM_USER + 1, 0, 0);
  PostMessageA(second, WM_USER + 2, 0, 0);
  PostMessageA(nullptr, WM_USER + 3, 0, 0);
  MSG msg{};
  EXPECT_TRUE(PeekMessageA(&msg, second, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 2, WM_USER + 3, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, second);
  EXPECT_TRUE(PeekMessageA(&msg, reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)), 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.message, WM_USER + 3);
  EXPECT_FALSE(PeekMessageA(&msg, second, 0, 0, PM_REMOVE));
  EXPECT_EQ(sim::PendingMessageCount(), 1u);
}

}  // namespace
