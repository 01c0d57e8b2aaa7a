#include "sim/excel/xlsx/ZipArchiveWriter.h"

#include <zip.h>

#include <cstdio>

namespace sim {
namespace {

std::string ErrorText(zip_error_t* error) { return zip_error_strerror(error); }

// The archive's bytes, read back from the buffer it was written to.
std::string Contents(zip_source_t* source, std::string* error) {
  std::string bytes;
  if (zip_source_open(source) < 0) {
    *error = ErrorText(zip_source_error(source));
    return bytes;
  }
  zip_source_seek(source, 0, SEEK_END);
  zip_int64_t size = zip_source_tell(source);
  zip_source_seek(source, 0, SEEK_SET);
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    if (zip_source_read(source, bytes.data(), static_cast<zip_uint64_t>(size)) != size) {
      *error = ErrorText(zip_source_error(source));
      bytes.clear();
    }
  }
  zip_source_close(source);
  return bytes;
}

}  // namespace

std::string MakeZipArchive(const std::vector<ZipEntry>& entries, std::string* error) {
  zip_error_t zipError;
  zip_error_init(&zipError);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &zipError);
  zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &zipError) : nullptr;
  if (!archive) {
    *error = ErrorText(&zipError);
    zip_error_fini(&zipError);
    if (buffer) zip_source_free(buffer);
    return "";
  }
  zip_error_fini(&zipError);
  zip_source_keep(buffer);  // it outlives the archive, which writes into it on closing
  bool ok = true;
  for (const ZipEntry& entry : entries) {
    zip_source_t* data = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
    zip_int64_t index = data ? zip_file_add(archive, entry.name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (data) zip_source_free(data);
      ok = false;
      break;
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), entry.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
  }
  if (!ok || zip_close(archive) < 0) {
    *error = zip_strerror(archive);
    zip_discard(archive);
    zip_source_free(buffer);
    return "";
  }
  std::string bytes = Contents(buffer, error);
  zip_source_free(buffer);
  return bytes;
}

}  // namespace sim
