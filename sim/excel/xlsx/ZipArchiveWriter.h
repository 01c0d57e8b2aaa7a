// Zip archives made in memory: the workbooks that tests and fuzzing corpora start
// from, built part by part.
#pragma once

#include <string>
#include <vector>

namespace sim {

struct ZipEntry {
  std::string name;
  std::string bytes;
  bool compressed = true;  // deflated, else stored
};

// The bytes of a zip archive holding the entries in order; empty with a message when
// libzip refuses.
std::string MakeZipArchive(const std::vector<ZipEntry>& entries, std::string* error);

}  // namespace sim
