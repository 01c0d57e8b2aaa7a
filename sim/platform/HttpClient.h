// One HTTP/1.0 GET or HEAD over a plain socket: what the Internet library's
// requests are made of.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/wintypes.h"

namespace sim {

struct HttpAnswer {
  int status = 0;
  std::string body;
};

// ERROR_SUCCESS with the answer, else the Internet library's error code: the name
// not resolved, no connection, a timeout, the connection reset, or an answer that is
// not HTTP. Answers over 64 MiB are cut off there.
DWORD HttpRequest(const std::string& host, unsigned short port, const std::string& verb, const std::string& object,
                  const std::vector<std::pair<std::string, std::string>>& headers, HttpAnswer* answer);

}  // namespace sim
