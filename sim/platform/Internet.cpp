// The Internet library: real HTTP requests behind WinINet's handles. As WinINet does, the connection handle only names the server; the
// request connects when it is sent.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/wininet.h"
#include "sim/SimFailures.h"
#include "sim/platform/HttpClient.h"
#include "sim/platform/Failure.h"

namespace {

struct InternetHandle {
  enum Kind { Session, Connection, Request } kind;
  std::string host;
  INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
  std::string verb, object;
  std::vector<std::pair<std::string, std::string>> headers;
  bool sent = false;
  int status = 0;
  std::string body;
  std::size_t read = 0;
  InternetHandle* parent = nullptr;
};

std::map<InternetHandle*, std::unique_ptr<InternetHandle>>& Handles() {
  static std::map<InternetHandle*, std::unique_ptr<InternetHandle>> handles;
  return handles;
}

InternetHandle* Find(HINTERNET handle, InternetHandle::Kind kind) {
  auto it = Handles().find(static_cast<InternetHandle*>(handle));
  return it != Handles().end() && it->second->kind == kind ? it->second.get() : nullptr;
}

HINTERNET Open(std::unique_ptr<InternetHandle> handle) {
  InternetHandle* raw = handle.get();
  Handles().emplace(raw, std::move(handle));
  return raw;
}

}  // namespace

HINTERNET InternetOpenA(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD) {
  if (sim::ShouldFail("InternetOpenA")) return sim::FailWith(ERROR_INTERNET_INTERNAL_ERROR, HINTERNET{});
  return Open(std::make_unique<InternetHandle>(InternetHandle{InternetHandle::Session}));
}

HINTERNET InternetConnectA(HINTERNET hInternet, LPCSTR lpszServerName, INTERNET_PORT nServerPort, LPCSTR, LPCSTR,
                           DWORD dwService, DWORD, DWORD_PTR) {
  InternetHandle* session = Find(hInternet, InternetHandle::Session);
  if (!session) return sim::FailWith(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, HINTERNET{});
  if (!lpszServerName || !*lpszServerName || dwService != INTERNET_SERVICE_HTTP)
    return sim::FailWith(ERROR_INTERNET_INVALID_URL, HINTERNET{});
  auto connection = std::make_unique<InternetHandle>(InternetHandle{InternetHandle::Connection});
  connection->host = lpszServerName;
  connection->port = nServerPort ? nServerPort : INTERNET_DEFAULT_HTTP_PORT;
  connection->parent = session;
  return Open(std::move(connection));
}

HINTERNET HttpOpenRequestA(HINTERNET hConnect, LPCSTR lpszVerb, LPCSTR lpszObjectName, LPCSTR, LPCSTR, LPCSTR*, DWORD,
                           DWORD_PTR) {
  InternetHandle* connection = Find(hConnect, InternetHandle::Connection);
  if (!connection) return sim::FailWith(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, HINTERNET{});
  auto request = std::make_unique<InternetHandle>(InternetHandle{InternetHandle::Request});
  request->host = connection->host;
  request->port = connection->port;
  request->verb = lpszVerb && *lpszVerb ? lpszVerb : "GET";
  std::string object = lpszObjectName ? lpszObjectName : "";
  request->object = object.empty() || object[0] != '/' ? "/" + object : object;
  request->parent = connection;
  return Open(std::move(request));
}

BOOL HttpAddRequestHeadersA(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwHeadersLength, DWORD dwModifiers) {
  InternetHandle* request = Find(hRequest, InternetHandle::Request);
  if (!request || !lpszHeaders) return sim::FailWith(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, FALSE);
  const std::string text =
      dwHeadersLength == static_cast<DWORD>(-1) ? std::string(lpszHeaders) : std::string(lpszHeaders, dwHeadersLength);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const std::size_t colon = line.find(':');
    if (line.empty() || colon == std::string::npos) continue;  // blank lines add nothing
    std::string name = line.substr(0, colon), value = line.substr(colon + 1);
    value.erase(0, value.find_first_not_of(' '));
    const bool present = std::any_of(request->headers.begin(), request->headers.end(),
                                     [&](const auto& header) { return header.first == name; });
    if ((dwModifiers & HTTP_ADDREQ_FLAG_ADD_IF_NEW) && present) continue;
    request->headers.emplace_back(name, value);
  }
  return TRUE;
}

BOOL HttpSendRequestA(HINTERNET hRequest, LPCSTR, DWORD, LPVOID, DWORD) {
  InternetHandle* request = Find(hRequest, InternetHandle::Request);
  if (!request) return sim::FailWith(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, FALSE);
  sim::HttpAnswer answer;
  const DWORD error = sim::HttpRequest(request->host, request->port, request->verb == "HEAD" ? "HEAD" : "GET",
                                       request->object, request->headers, &answer);
  if (error != ERROR_SUCCESS) return sim::FailWith(error, FALSE);
  request->sent = true;
  request->status = answer.status;
  request->body = std::move(answer.body);
  request->read = 0;
  return TRUE;
}

BOOL HttpQueryInfoA(HINTERNET hRequest, DWORD dwInfoLevel, LPVOID lpBuffer, DWORD* lpdwBufferLength, DWORD*) {
  InternetHandle* request = Find(hRequest, InternetHandle::Request);
  if (!request || !request->sent) return sim::FailWith(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, FALSE);
  if ((dwInfoLevel & 0xFFFF) != HTTP_QUERY_STATUS_CODE || !lpBuffer || !lpdwBufferLength)
    return sim::FailWith(ERROR_INVALID_PARAMETER, FALSE);
  if (dwInfoLevel & HTTP_QUERY_FLAG_NUMBER) {
    if (*lpdwBufferLength < sizeof(DWORD)) return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
    *static_cast<DWORD*>(lpBuffer) = static_cast<DWORD>(request->status);
    *lpdwBufferLength = sizeof(DWORD);
    return TRUE;
  }
  const std::string text = std::to_string(request->status);
  if (*lpdwBufferLength <= text.size()) {
    *lpdwBufferLength = static_cast<DWORD>(text.size() + 1);
    return sim::FailWith(ERROR_INSUFFICIENT_BUFFER, FALSE);
  }
  text.copy(static_cast<char*>(lpBuffer), text.size());
  static_cast<char*>(lpBuffer)[text.size()] = '\0';
  *lpdwBufferLength = static_cast<DWORD>(text.size());
  return TRUE;
}

BOOL InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead, DWORD* lpdwNumberOfBytesRead) {
  InternetHandle* request = Find(hFile, InternetHandle::Request);
  if (!request || !request->sent || !lpdwNumberOfBytesRead) return sim::FailWith(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, FALSE);
  const std::size_t n = std::min<std::size_t>(dwNumberOfBytesToRead, request->body.size() - request->read);
  if (n) request->body.copy(static_cast<char*>(lpBuffer), n, request->read);
  request->read += n;
  *lpdwNumberOfBytesRead = static_cast<DWORD>(n);
  return TRUE;
}

// Closing a handle closes the handles opened from it, as WinINet does.
BOOL InternetCloseHandle(HINTERNET hInternet) {
  auto& handles = Handles();
  auto it = handles.find(static_cast<InternetHandle*>(hInternet));
  if (it == handles.end()) return sim::FailWith(ERROR_INVALID_HANDLE, FALSE);
  InternetHandle* target = it->second.get();
  std::vector<InternetHandle*> closing{target};
  for (const auto& [raw, handle] : handles)
    for (const InternetHandle* parent = handle->parent; parent; parent = parent->parent)
      if (parent == target) {
        closing.push_back(raw);
        break;
      }
  for (InternetHandle* handle : closing) handles.erase(handle);
  return TRUE;
}
