#include "support/FileIo.h"

#include "platform/files.h"
#include "platform/handles.h"
#include "platform/msgbox.h"

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes, DWORD* error) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    *error = GetLastError();
    return false;
  }
  DWORD high = 0;
  DWORD size = GetFileSize(file.get(), &high);
  if (high != 0 || size > kMaxSettingsFileSize) {
    *error = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  bytes->assign(size, 0);
  DWORD read = 0;
  if (size > 0 && (!ReadFile(file.get(), bytes->data(), size, &read, nullptr) || read != size)) {
    *error = GetLastError();
    return false;
  }
  return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes, DWORD* error) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    *error = GetLastError();
    return false;
  }
  DWORD written = 0;
  if (!bytes.empty() && (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                         written != bytes.size())) {
    *error = GetLastError();
    return false;
  }
  return true;
}

void ReportFileError(const std::string& path, DWORD error) {
  std::string text;
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      text = path + " was not found.";
      break;
    case ERROR_PATH_NOT_FOUND:
      text = "All or part of the path " + path + " was not found.";
      break;
    case ERROR_ACCESS_DENIED:
      text = "Access to " + path + " was denied.";
      break;
    default:
      text = "An unexpected error occurred while accessing " + path + ".";
      break;
  }
  MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}
