// Files that the stand-ins and the host shell read are opened only when they are
// regular files: a pipe in a file's place would block the open or the first read for
// ever, and a device or a folder is no file to read.
#pragma once

#include <cstddef>
#include <string>

namespace sim {

// A descriptor of the regular file at the Linux path, open for reading; -1 with why
// not in `reason` ("no such file", "it is a folder", "it is not a regular file
// (a pipe or a device)", or the system's reason).
int OpenRegularFile(const std::string& linuxPath, std::string* reason);
// The whole regular file, when it holds at most `maxBytes`; false with why not in
// `reason` (also "it is larger than N bytes").
bool ReadRegularFile(const std::string& linuxPath, std::size_t maxBytes, std::string* bytes, std::string* reason);

}  // namespace sim
