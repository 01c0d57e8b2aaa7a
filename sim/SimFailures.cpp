#include "sim/SimFailures.h"

#include <cstdint>
#include <map>

namespace sim {
namespace {
std::map<std::string, int>& Pending() {
  static std::map<std::string, int> pending;
  return pending;
}
std::string& Faulting() {
  static std::string operation;
  return operation;
}
// An address no process maps, read through a variable so that the read is made.
volatile std::uintptr_t invalidAddress = 16;

[[gnu::noinline]] void ReadInvalidAddress() { (void)*reinterpret_cast<volatile int*>(invalidAddress); }
}  // namespace

void FaultOperation(const std::string& operation) { Faulting() = operation; }

void FailOperation(const std::string& operation, int times) {
  if (times == 0)
    Pending().erase(operation);
  else
    Pending()[operation] = times;
}

void ClearFailures() {
  Pending().clear();
  Faulting().clear();
}

bool ShouldFail(const char* operation) {
  if (!Faulting().empty() && Faulting() == operation) {
    Faulting().clear();
    ReadInvalidAddress();
  }
  auto it = Pending().find(operation);
  if (it == Pending().end()) return false;
  if (it->second > 0 && --it->second == 0) Pending().erase(it);
  return true;
}

}  // namespace sim
