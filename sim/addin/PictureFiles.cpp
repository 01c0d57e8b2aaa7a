#include "sim/addin/PictureFiles.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/registry.h"
#include "sim/addin/AddinOptions.h"
#include "sim/excel/xlsx/ImageHeader.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/platform/SimPlatform.h"

namespace sim {
namespace {

// The header of a JPEG may follow some metadata; one that has not shown the image's
// size by then has none.
constexpr std::size_t kMaxImageHeaderBytes = 1u << 20;

std::string CurDrawingFolder() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kAddinOptionsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
  char buffer[1024] = {};
  DWORD type = 0, size = sizeof buffer - 1;
  const bool read = RegQueryValueExA(key, "CurDrawingFolder", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
                        ERROR_SUCCESS &&
                    (type == REG_SZ || type == REG_EXPAND_SZ);
  RegCloseKey(key);
  return read ? std::string(buffer) : "";
}

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// The subfolder of a Windows folder, created; "" when it cannot be.
std::string Writable(const std::string& folder) {
  if (folder.empty()) return "";
  const std::string windows = WithBackslash(folder) + kPictureSubfolder + "\\";
  const std::string linux = ToLinuxPath(windows);
  std::error_code error;
  if (linux.empty() || (!std::filesystem::create_directories(linux, error) && error)) return "";
  const std::filesystem::path probe = std::filesystem::path(linux) / ".quorvelle-write-test";
  if (!std::ofstream(probe).good()) return "";
  std::filesystem::remove(probe, error);
  return windows;
}

bool IsFileNameCharacter(char c) {
  return static_cast<unsigned char>(c) >= 32 && std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos;
}

std::string Cleaned(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (!IsFileNameCharacter(c)) c = '_';
  return out;
}

std::string ImageTooLarge(const ImageHeader& header) {
  if (header.width > kMaxImageSide || header.height > kMaxImageSide ||
      std::uint64_t{header.width} * header.height > kMaxImagePixels)
    return "its image is " + std::to_string(header.width) + " x " + std::to_string(header.height) +
           " pixels, more than " + std::to_string(kMaxImageSide) + " a side or " +
           std::to_string(kMaxImagePixels / 1000000) + " million in all";
  return "";
}

// Why an image with this header is not sent, "" when it is; *decided once the header
// has said all it says.
std::string HeaderRefusal(const std::string& header, bool complete, bool* decided) {
  const ImageHeader seen = InspectImageHeader(header, complete);
  *decided = seen.status != ImageHeader::Status::NeedMore;
  if (seen.status == ImageHeader::Status::Damaged) return "its image is damaged";
  return seen.status == ImageHeader::Status::Known ? ImageTooLarge(seen) : "";
}

}  // namespace

std::string PictureFolder() {
  std::string folder = Writable(CurDrawingFolder());
  if (folder.empty()) {
    std::error_code error;
    folder = Writable(ToWindowsPath(std::filesystem::temp_directory_path(error).string()));
  }
  return folder;
}

std::string PictureFileName(const std::string& workbookPath, const std::string& sheetName, int objectId,
                            const std::string& mediaPart) {
  std::string_view book = workbookPath;
  if (std::size_t slash = book.find_last_of("\\/"); slash != std::string_view::npos) book.remove_prefix(slash + 1);
  if (std::size_t dot = book.rfind('.'); dot != std::string_view::npos && dot > 0) book = book.substr(0, dot);
  std::string_view extension = mediaPart;
  std::size_t dot = extension.rfind('.');
  extension = dot == std::string_view::npos || extension.find('/', dot) != std::string_view::npos
                  ? std::string_view()
                  : extension.substr(dot);
  return Cleaned(book) + "_" + Cleaned(sheetName) + "_" + std::to_string(objectId) + Cleaned(extension);
}

bool SavePicture(const WorkbookData& book, const std::string& mediaPart, const std::string& windowsPath,
                 std::string* reason) {
  const std::string linuxPath = ToLinuxPath(windowsPath);
  if (linuxPath.empty()) {
    *reason = "its file " + windowsPath + " cannot be named here";
    return false;
  }
  std::ofstream file(linuxPath, std::ios::binary | std::ios::trunc);
  if (!file) {
    *reason = "its file " + windowsPath + " cannot be written";
    return false;
  }
  std::string header;
  bool inspected = false;
  std::string why;
  auto write = [&](const char* data, std::size_t size) {
    if (!inspected) {
      header.append(data, std::min(size, kMaxImageHeaderBytes - header.size()));
      why = HeaderRefusal(header, header.size() >= kMaxImageHeaderBytes, &inspected);
      if (!why.empty()) return false;
    }
    file.write(data, static_cast<std::streamsize>(size));
    if (!file) why = "its file " + windowsPath + " cannot be written";
    return why.empty();
  };
  std::string error;
  bool saved = ReadMediaPart(book, mediaPart, write, &error);
  if (saved && !inspected) {  // the whole image is shorter than a header
    why = HeaderRefusal(header, true, &inspected);
    saved = why.empty();
  }
  file.close();
  if (saved && !file) why = "its file " + windowsPath + " cannot be written";
  if (saved && why.empty()) return true;
  std::error_code ignored;
  std::filesystem::remove(linuxPath, ignored);
  if (why.empty()) {
    if (!error.empty() && error.back() == '.') error.pop_back();
    why = "its image cannot be read (" + error + ")";
  }
  *reason = why;
  return false;
}

}  // namespace sim
