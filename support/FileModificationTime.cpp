#include "support/FileModificationTime.h"

#include "platform/files.h"

bool ReadFileModificationTime(const std::string& path, COleDateTime* time) {
  WIN32_FILE_ATTRIBUTE_DATA status;
  if (!time || path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status)) return false;
  COleDateTime modified(status.ftLastWriteTime);
  if (modified.GetStatus() != COleDateTime::valid) return false;
  *time = modified;
  return true;
}
