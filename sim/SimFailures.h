// Failure injection: tests name a host or platform operation and how many of its
// next calls fail; the stand-in implementation of that operation asks ShouldFail.
#pragma once

#include <string>

namespace sim {

// The next `times` calls of `operation` fail (times < 0: every call until cleared).
void FailOperation(const std::string& operation, int times = 1);
// The next call of `operation` reads an address no process maps: a real processor
// fault inside the host, as a crash of the host's own code would be.
void FaultOperation(const std::string& operation);
void ClearFailures();
// Called by the stand-ins at the start of an operation; true means "fail this call".
bool ShouldFail(const char* operation);

}  // namespace sim
