// The zip package of a workbook: its parts looked up by name inside the archive and
// read within the bounds of XlsxLimits.h, and the relationships between parts.
// Part names never leave the archive: they are not turned into file paths.
#pragma once

#include <zip.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

struct Relationship {
  std::string type;    // the last segment of the type URI: "worksheet", "styles", ...
  std::string target;  // the part name it resolves to, without a leading "/"; "" when external
};

class CXlsxPackage {
 public:
  CXlsxPackage() = default;
  ~CXlsxPackage();
  CXlsxPackage(const CXlsxPackage&) = delete;
  CXlsxPackage& operator=(const CXlsxPackage&) = delete;

  // Opens a file, or bytes that must outlive the package. False with a message when
  // it is no zip archive, is damaged, has too many entries or an unsafe entry name.
  bool OpenFile(const std::string& path, std::string* error);
  bool OpenMemory(const void* data, std::size_t size, std::string* error);

  bool Has(std::string_view partName) const;
  // The part's bytes, for the parts that are read whole (all but worksheets and
  // shared strings, which are streamed); none with a message when it is missing,
  // damaged or past a bound, kMaxWholePartBytes among them.
  std::optional<std::string> Read(std::string_view partName, std::string* error);
  // Hands the part's bytes to the sink as they are inflated, chunk by chunk; false
  // with a message when it is missing, damaged or past a bound, or when the sink
  // returns false (having said why).
  bool ReadStream(std::string_view partName, const std::function<bool(const char*, std::size_t)>& sink,
                  std::string* error);
  // Starts a new count of the bytes read against kMaxTotalBytes: each reading of the
  // workbook (opening it, or reading cells of a range again) has its own.
  void StartReading() { totalRead_ = 0; }
  // The relationships of a part ("" for the package's own), by id; empty when the
  // part has none. False with a message when they are present but unreadable.
  bool Relationships(std::string_view partName, std::map<std::string, Relationship>* out, std::string* error);

 private:
  bool Check(std::string* error);
  std::optional<std::int64_t> Find(std::string_view partName) const;

  zip_t* archive_ = nullptr;
  std::uint64_t totalRead_ = 0;
};

// The part a relationship target names, relative to the folder of the source part
// (or from the package root when it starts with "/"); none when it climbs out of
// the package.
std::optional<std::string> ResolvePartName(std::string_view sourcePart, std::string_view target);

}  // namespace sim
