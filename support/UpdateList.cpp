#include "support/UpdateList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "support/SupportTexts.h"
#include "support/TextCompare.h"
#include "support/TextTrim.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Every part between points, empty ones included.
std::vector<std::string> Parts(const std::string& version) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t dot; (dot = version.find('.', start)) != std::string::npos; start = dot + 1)
    parts.push_back(version.substr(start, dot - start));
  parts.push_back(version.substr(start));
  return parts;
}

// The part's leading digits as a number; none gives 0.
long long PartValue(const std::string& part) {
  long long value = 0;
  for (char c : part) {
    if (c < '0' || c > '9') break;
    value = std::min<long long>(value * 10 + (c - '0'), 1LL << 40);  // parts beyond that are equal
  }
  return value;
}

}  // namespace

std::string UpdateListKey() {
  char key[64];
  std::snprintf(key, sizeof key, kUpdateKeyFormat, "MS", kProductName);
  return Lower(key);
}

bool VersionOfLine(const std::string& line, std::string* version) {
  const std::string key = UpdateListKey();
  if (FindNoCase(line, key) == std::string::npos) return false;
  *version = std::string(TrimWhiteSpace(std::string_view(line).substr(key.size())));
  return true;
}

int CompareVersions(const std::string& serverVersion) {
  const std::vector<std::string> running = Parts(kProductVersion), server = Parts(serverVersion);
  for (std::size_t i = 0; i < std::min(running.size(), server.size()); ++i) {
    const long long mine = PartValue(running[i]), theirs = PartValue(server[i]);
    if (theirs > mine) return 0;
    if (theirs < mine) return 1;
  }
  return 1;
}
