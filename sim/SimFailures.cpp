#include "sim/SimFailures.h"

#include <map>

namespace sim {
namespace {
std::map<std::string, int>& Pending() {
  static std::map<std::string, int> pending;
  return pending;
}
}  // namespace

void FailOperation(const std::string& operation, int times) {
  if (times == 0)
    Pending().erase(operation);
  else
    Pending()[operation] = times;
}

void ClearFailures() { Pending().clear(); }

bool ShouldFail(const char* operation) {
  auto it = Pending().find(operation);
  if (it == Pending().end()) return false;
  if (it->second > 0 && --it->second == 0) Pending().erase(it);
  return true;
}

}  // namespace sim
