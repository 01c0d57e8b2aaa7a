#include "support/LiveUpdateDlg.h"

#include <cstdio>
#include <cstdlib>

#include "platform/msgbox.h"
#include "platform/wininet.h"
#include "support/Registry.h"
#include "support/SupportTexts.h"
#include "support/SystemMessage.h"
#include "support/UpdateList.h"

namespace {

// The answer is a short list; anything beyond this is not read.
constexpr std::size_t kMaxListBytes = 1 << 20;

// A call of the Internet library failed with this code.
struct InternetError {
  DWORD code;
};

void Check(bool ok) {
  if (!ok) throw InternetError{GetLastError()};
}

// A handle closed when it goes out of scope.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle = nullptr) : handle_(handle) {}
  ~InternetHandle() { Close(); }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }
  void Close() {
    if (handle_) InternetCloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HINTERNET handle_;
};

std::string ErrorText(DWORD code) {
  std::string text = SystemMessageText(code);
  if (text.empty()) text = "Internet error " + std::to_string(code) + ".";
  return text;
}

}  // namespace

CLiveUpdateDlg::CLiveUpdateDlg(HWND parent) : CDialogPresenter("IDD_LIVEUPDATE", kUpdateTitle, parent) {}

void CLiveUpdateDlg::OnInitDialog() {
  AddControl(kStatusId, kUpdatePrompt);
  AddControl(kCheckUpId, "&Check up");
  AddControl(IDOK, "Close");
  hyperlink_.SetTarget(kDownloadPage);
  AddControl(CHyperlink::kControlId, kDownloadPage);
  ShowControl(CHyperlink::kControlId, false);
}

void CLiveUpdateDlg::OnCommand(int controlId) {
  if (controlId == kCheckUpId) return OnCheckUp();
  if (controlId == CHyperlink::kControlId) return hyperlink_.Open();
  CDialogPresenter::OnCommand(controlId);
}

std::string CLiveUpdateDlg::UpdateServer() {
  std::string server;
  if (ReadRegistryString(HKEY_LOCAL_MACHINE, InstallationKeyPath(), kUpdateServerValue, &server) && !server.empty())
    return server;
  if (ReadRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(kProductSection), kUpdateServerValue, &server) &&
      !server.empty())
    return server;
  return kUpdateServer;
}

void CLiveUpdateDlg::OnCheckUp() {
  EnableControl(kCheckUpId, false);
  EnableControl(IDOK, false);
  ShowControl(CHyperlink::kControlId, false);
  SetStatus(kUpdateConnecting);
  InternetHandle session(InternetOpenA(kProductName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  try {
    Check(session.get() != nullptr);
    std::string version = FetchServerVersion(session.get());
    if (!version.empty()) {
      if (CompareVersions(version)) {
        SetStatus(kUpdateCurrent);
      } else {
        char text[512];
        std::snprintf(text, sizeof text, kUpdateAvailable, version.c_str());
        SetStatus(text);
        ShowControl(CHyperlink::kControlId, true);
      }
    }
  } catch (const InternetError& error) {
    SetStatus(kUpdateConnectionFailed);
    MessageBoxA(Parent(), ErrorText(error.code).c_str(), kProductTitle, MB_OK);
  }
  session.Close();
  EnableControl(kCheckUpId, true);
  EnableControl(IDOK, true);
}

std::string CLiveUpdateDlg::FetchServerVersion(HINTERNET session) {
  // "host" or "host:port", an address's scheme and path aside.
  std::string host = UpdateServer();
  if (const std::size_t scheme = host.find("://"); scheme != std::string::npos) host.erase(0, scheme + 3);
  host = host.substr(0, host.find('/'));
  INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
  if (const std::size_t colon = host.rfind(':'); colon != std::string::npos) {
    port = static_cast<INTERNET_PORT>(std::strtoul(host.c_str() + colon + 1, nullptr, 10));
    host.erase(colon);
  }
  InternetHandle connection(
      InternetConnectA(session, host.c_str(), port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection.get()) {
    SetStatus(kUpdateConnectionFailed);
    return "";
  }
  InternetHandle request(HttpOpenRequestA(connection.get(), "GET", kUpdateObject, nullptr, nullptr, nullptr,
                                          INTERNET_FLAG_EXISTING_CONNECT, 1));
  Check(request.get() != nullptr);
  Check(HttpAddRequestHeadersA(request.get(), "\n", static_cast<DWORD>(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW));
  Check(HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0));
  DWORD status = 0, size = sizeof status;
  Check(HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr));
  if (status != 200) {
    char text[128];
    std::snprintf(text, sizeof text, kUpdateStatusFailed, static_cast<long>(status));
    SetStatus(text);
    return "";
  }

  std::string list;
  char buffer[4096];
  for (DWORD read = 0; list.size() < kMaxListBytes; list.append(buffer, read)) {
    Check(InternetReadFile(request.get(), buffer, sizeof buffer, &read));
    if (read == 0) break;
  }
  std::string version;
  bool found = false;
  for (std::size_t start = 0; start < list.size() && !found;) {
    std::size_t end = list.find('\n', start);
    if (end == std::string::npos) end = list.size();
    std::string line = list.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    found = VersionOfLine(line, &version);
    start = end + 1;
  }
  request.Close();
  connection.Close();
  return version.empty() ? kProductVersion : version;
}
