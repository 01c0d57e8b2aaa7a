// HTTP/1.0 so that the server ends the answer by closing the connection and sends
// no chunks; a body is what follows the headers, up to Content-Length when given.
#include "sim/platform/HttpClient.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/wininet.h"

namespace sim {
namespace {

constexpr int kConnectTimeoutMs = 10000;
constexpr int kReadTimeoutMs = 20000;
constexpr std::size_t kMaxAnswerBytes = std::size_t{64} << 20;

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WaitFor(int fd, short events, int timeoutMs) {
  pollfd p{fd, events, 0};
  int n;
  do n = poll(&p, 1, timeoutMs);
  while (n < 0 && errno == EINTR);
  return n > 0;
}

// A connected socket, or -1 with the error code.
int Connect(const std::string& host, unsigned short port, DWORD* error) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
    *error = ERROR_INTERNET_NAME_NOT_RESOLVED;
    return -1;
  }
  *error = ERROR_INTERNET_CANNOT_CONNECT;
  int connected = -1;
  for (addrinfo* a = found; a && connected < 0; a = a->ai_next) {
    const int fd = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    int rc = connect(fd, a->ai_addr, a->ai_addrlen);
    if (rc < 0 && errno == EINPROGRESS) {
      if (!WaitFor(fd, POLLOUT, kConnectTimeoutMs)) {
        *error = ERROR_INTERNET_TIMEOUT;
      } else {
        int soError = 0;
        socklen_t size = sizeof soError;
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &size);
        rc = soError == 0 ? 0 : -1;
      }
    }
    if (rc == 0)
      connected = fd;
    else
      close(fd);
  }
  freeaddrinfo(found);
  return connected;
}

bool SendAll(int fd, const std::string& data) {
  for (std::size_t sent = 0; sent < data.size();) {
    if (!WaitFor(fd, POLLOUT, kReadTimeoutMs)) return false;
    const ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

DWORD HttpRequest(const std::string& host, unsigned short port, const std::string& verb, const std::string& object,
                  const std::vector<std::pair<std::string, std::string>>& headers, HttpAnswer* answer) {
  DWORD error = ERROR_SUCCESS;
  Socket socket(Connect(host, port, &error));
  if (socket.get() < 0) return error;
  std::string request = verb + " " + object + " HTTP/1.0\r\nHost: " + host + ":" + std::to_string(port) + "\r\n";
  for (const auto& [name, value] : headers) request += name + ": " + value + "\r\n";
  request += "Connection: close\r\n\r\n";
  if (!SendAll(socket.get(), request)) return ERROR_INTERNET_CONNECTION_RESET;

  std::string raw;
  char buffer[16384];
  while (raw.size() < kMaxAnswerBytes) {
    if (!WaitFor(socket.get(), POLLIN, kReadTimeoutMs)) return ERROR_INTERNET_TIMEOUT;
    const ssize_t n = recv(socket.get(), buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n < 0) return ERROR_INTERNET_CONNECTION_RESET;
    if (n == 0) break;
    raw.append(buffer, static_cast<std::size_t>(n));
  }
  // "HTTP/1.x 200 OK"
  const std::size_t headerEnd = raw.find("\r\n\r\n");
  if (raw.compare(0, 5, "HTTP/") != 0 || headerEnd == std::string::npos) return ERROR_HTTP_INVALID_SERVER_RESPONSE;
  const std::size_t space = raw.find(' ');
  if (space == std::string::npos || space > headerEnd) return ERROR_HTTP_INVALID_SERVER_RESPONSE;
  answer->status = std::atoi(raw.c_str() + space + 1);
  if (answer->status < 100 || answer->status > 999) return ERROR_HTTP_INVALID_SERVER_RESPONSE;
  answer->body = verb == "HEAD" ? std::string() : raw.substr(headerEnd + 4);
  // A length the server gave cuts the body there.
  std::string head = raw.substr(0, headerEnd);
  for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (const std::size_t at = head.find("\r\ncontent-length:"); at != std::string::npos) {
    const unsigned long long length = std::strtoull(head.c_str() + at + 17, nullptr, 10);
    if (length < answer->body.size()) answer->body.resize(static_cast<std::size_t>(length));
  }
  return ERROR_SUCCESS;
}

}  // namespace sim
