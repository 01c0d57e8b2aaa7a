#include "sim/excel/xlsx/XlsxPackage.h"

#include <cstdio>
#include <vector>

#include <unistd.h>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxXml.h"
#include "sim/platform/RegularFile.h"

namespace sim {
namespace {

constexpr const char* kNotZipText = "The workbook is not a valid .xlsx file: it is not a zip archive or it is damaged.";

std::string Mib(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// Part names are "/"-separated names inside the package; anything that could mean
// another place (a parent folder, a root, a drive, a backslash) marks a damaged or
// hostile archive.
bool IsSafeEntryName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos ||
      name.find(':') != std::string_view::npos || name.find('\0') != std::string_view::npos)
    return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    if (name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

std::string OpenErrorText(int code) {
  switch (code) {
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
      return "The workbook file cannot be read.";
    case ZIP_ER_MEMORY:
      return "There is not enough memory to open the workbook.";
    default:
      return kNotZipText;
  }
}

std::string RelationshipsPartOf(std::string_view partName) {
  size_t slash = partName.rfind('/');
  if (slash == std::string_view::npos) return "_rels/" + std::string(partName) + ".rels";
  return std::string(partName.substr(0, slash + 1)) + "_rels/" + std::string(partName.substr(slash + 1)) + ".rels";
}

std::string LastSegment(std::string_view uri) {
  size_t slash = uri.rfind('/');
  return std::string(slash == std::string_view::npos ? uri : uri.substr(slash + 1));
}

// Targets are URIs: "%20" stands for a space in a part name.
std::string DecodePercent(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> ResolvePartName(std::string_view sourcePart, std::string_view target) {
  std::string path = DecodePercent(target);
  std::vector<std::string> segments;
  if (path.empty() || path.front() != '/') {
    size_t slash = sourcePart.rfind('/');
    std::string_view folder = slash == std::string_view::npos ? "" : sourcePart.substr(0, slash);
    path = std::string(folder) + "/" + path;
  }
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string segment = path.substr(start, end - start);
    if (segment == "..") {
      if (segments.empty()) return std::nullopt;
      segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    start = end + 1;
  }
  if (segments.empty()) return std::nullopt;
  std::string name;
  for (const auto& segment : segments) name += (name.empty() ? "" : "/") + segment;
  return name;
}

CXlsxPackage::~CXlsxPackage() {
  if (archive_) zip_discard(archive_);
}

bool CXlsxPackage::OpenFile(const std::string& path, std::string* error) {
  std::string reason;
  const int fd = OpenRegularFile(path, &reason);
  if (fd < 0) {
    *error = "The workbook file cannot be read: " + reason + ".";
    return false;
  }
  FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    ::close(fd);
    *error = OpenErrorText(ZIP_ER_OPEN);
    return false;
  }
  zip_error_t zipError;
  zip_error_init(&zipError);
  // The source takes the file and closes it with the archive.
  zip_source_t* source = zip_source_filep_create(file, 0, -1, &zipError);  // -1: to its end
  if (!source) std::fclose(file);
  if (source) archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
  const int code = zip_error_code_zip(&zipError);
  zip_error_fini(&zipError);
  if (!archive_) {
    if (source) zip_source_free(source);
    *error = OpenErrorText(code);
    return false;
  }
  return Check(error);
}

bool CXlsxPackage::OpenMemory(const void* data, std::size_t size, std::string* error) {
  zip_error_t zipError;
  zip_error_init(&zipError);
  zip_source_t* source = zip_source_buffer_create(data, size, 0, &zipError);
  if (source) archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
  int code = zip_error_code_zip(&zipError);
  zip_error_fini(&zipError);
  if (!archive_) {
    if (source) zip_source_free(source);
    *error = OpenErrorText(code);
    return false;
  }
  return Check(error);
}

bool CXlsxPackage::Check(std::string* error) {
  zip_int64_t count = zip_get_num_entries(archive_, 0);
  // An empty file opens as an empty archive.
  if (count == 0) {
    *error = kNotZipText;
    return false;
  }
  if (count < 0 || static_cast<std::uint64_t>(count) > kMaxWorkbookEntries) {
    *error = "The workbook has more than " + std::to_string(kMaxWorkbookEntries) + " entries.";
    return false;
  }
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_, i, ZIP_FL_ENC_RAW);
    if (!name || !IsSafeEntryName(name)) {
      *error = "The workbook has an entry with an unsafe name: " + std::string(name ? name : "") + ".";
      return false;
    }
  }
  return true;
}

std::optional<std::int64_t> CXlsxPackage::Find(std::string_view partName) const {
  // Part names compare without regard to case.
  zip_int64_t index = zip_name_locate(archive_, std::string(partName).c_str(), ZIP_FL_NOCASE | ZIP_FL_ENC_RAW);
  if (index < 0) return std::nullopt;
  return index;
}

bool CXlsxPackage::Has(std::string_view partName) const { return Find(partName).has_value(); }

bool CXlsxPackage::ReadStream(std::string_view partName, const std::function<bool(const char*, std::size_t)>& sink,
                              std::string* error) {
  std::optional<std::int64_t> index = Find(partName);
  std::string part(partName);
  if (!index) {
    *error = "The workbook has no part " + part + ".";
    return false;
  }
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, *index, 0, &stat) != 0) {
    *error = "The workbook part " + part + " cannot be read: the archive is damaged.";
    return false;
  }
  // The declared sizes only help to refuse early; the bytes are counted as they come.
  std::uint64_t declared = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
  std::uint64_t compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
  std::string tooLarge = "The workbook part " + part + " is larger than " + Mib(kMaxEntryBytes) + ".";
  if (declared > kMaxEntryBytes) {
    *error = tooLarge;
    return false;
  }
  zip_file_t* file = zip_fopen_index(archive_, *index, 0);
  if (!file) {
    *error = "The workbook part " + part + " cannot be read: " + zip_strerror(archive_) + ".";
    return false;
  }
  std::uint64_t size = 0;
  char chunk[65536];
  bool ok = true;
  for (;;) {
    zip_int64_t got = zip_fread(file, chunk, sizeof chunk);
    if (got < 0) {
      *error = "The workbook part " + part + " cannot be read: " + zip_file_strerror(file) + ".";
      ok = false;
      break;
    }
    if (got == 0) break;
    size += static_cast<std::uint64_t>(got);
    totalRead_ += static_cast<std::uint64_t>(got);
    if (size > kMaxEntryBytes) {
      *error = tooLarge;
      ok = false;
    } else if (totalRead_ > kMaxTotalBytes) {
      *error = "The workbook's parts are larger than " + Mib(kMaxTotalBytes) + " in all.";
      ok = false;
    } else if (size > kRatioCheckedAbove && size / kMaxCompressionRatio > compressed) {
      *error = "The workbook part " + part + " expands more than " + std::to_string(kMaxCompressionRatio) +
               " times its compressed size.";
      ok = false;
    }
    if (!ok || !sink(chunk, static_cast<std::size_t>(got))) {
      ok = false;
      break;
    }
  }
  zip_fclose(file);
  return ok;
}

std::optional<std::string> CXlsxPackage::Read(std::string_view partName, std::string* error) {
  std::string bytes;
  const auto keep = [&](const char* data, std::size_t size) {
    if (bytes.size() + size > kMaxWholePartBytes) {
      *error = "The workbook part " + std::string(partName) + " is larger than " + Mib(kMaxWholePartBytes) + ".";
      return false;
    }
    bytes.append(data, size);
    return true;
  };
  if (!ReadStream(partName, keep, error)) return std::nullopt;
  return bytes;
}

bool CXlsxPackage::Relationships(std::string_view partName, std::map<std::string, Relationship>* out,
                                 std::string* error) {
  out->clear();
  std::string relsPart = RelationshipsPartOf(partName);
  if (!Has(relsPart)) return true;
  XmlPart xml;
  if (!ReadXmlPart(*this, relsPart, &xml, error)) return false;
  for (pugi::xml_node rel : Children(Root(xml), "Relationship")) {
    Relationship relationship;
    relationship.type = LastSegment(Attr(rel, "Type").as_string());
    if (std::string_view(Attr(rel, "TargetMode").as_string()) != "External") {
      std::optional<std::string> target = ResolvePartName(partName, Attr(rel, "Target").as_string());
      if (!target) {
        *error = "The workbook part " + relsPart + " refers to a part outside the workbook: " +
                 Attr(rel, "Target").as_string() + ".";
        return false;
      }
      relationship.target = *target;
    }
    (*out)[Attr(rel, "Id").as_string()] = std::move(relationship);
  }
  return true;
}

}  // namespace sim
