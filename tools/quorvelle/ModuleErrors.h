// What the module reported as a failure while the shell ran a command, so that the
// shell's exit status says so.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The texts of the failures reported from the output log's entry `from` on: the error
// field, error entries of the message centre, advisory boxes (the module's failure
// and fault reports), warning and error boxes of the platform, and, when
// `everyBoxIsAFailure` (a create, which shows no box when it succeeds), every
// message box.
std::vector<std::string> ReportedFailures(std::size_t from, bool everyBoxIsAFailure);
