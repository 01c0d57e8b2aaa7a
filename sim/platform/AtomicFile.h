// Writing a file so that it appears whole or not at all: the content goes to a
// temporary file in the same folder, is flushed to disk and then renamed over the
// target. A crash leaves either the old file or the new one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace sim {

enum class ExistingFile { Replace, Keep };

// `write` fills the temporary file through its descriptor and returns 0 or an errno.
// Returns 0 or an errno (EEXIST when the target exists and must be kept). No
// temporary file is left behind either way.
int WriteFileAtomically(const std::string& path, const std::function<int(int fd)>& write,
                        ExistingFile existing = ExistingFile::Replace);

// Writes all the bytes, retrying short writes; 0 or an errno.
int WriteAllBytes(int fd, const void* data, std::size_t size);

}  // namespace sim
