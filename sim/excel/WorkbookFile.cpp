#include "sim/excel/WorkbookFile.h"

#include <cstdint>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/KeepLastError.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

std::string FullPath(const std::string& path) {
  DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return "";
  std::vector<char> buffer(needed);
  DWORD length = GetFullPathNameA(path.c_str(), needed, buffer.data(), nullptr);
  return length > 0 && length < needed ? std::string(buffer.data(), length) : "";
}

// 100-nanosecond intervals from 1601-01-01 to 1899-12-30, the automation epoch.
constexpr std::uint64_t kTicksToAutomationEpoch = 94353120000000000ULL;
constexpr double kTicksPerDay = 864000000000.0;

// The file's last write time in local time, as Excel shows a document's save time.
std::optional<ExcelDate> LastSaveTimeOf(const std::string& fullName) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  if (!GetFileAttributesExA(fullName.c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local))
    return std::nullopt;
  std::uint64_t ticks = (std::uint64_t{local.dwHighDateTime} << 32) | local.dwLowDateTime;
  if (ticks < kTicksToAutomationEpoch) return std::nullopt;
  return ExcelDate{static_cast<double>(ticks - kTicksToAutomationEpoch) / kTicksPerDay};
}

// The sheets of a workbook read from its file. Reading the cells of real workbooks
// is still to come; until then every file opens with one empty sheet.
void ReadSheets(WorkbookState& book) { book.AddSheet("Sheet1"); }

}  // namespace

std::shared_ptr<WorkbookState> OpenWorkbookFile(ExcelState& excel, const std::string& path, std::string* error) {
  KeepLastError keep;
  std::string fullName = FullPath(path);
  for (const auto& open : excel.workbooks) {
    if (!fullName.empty() && EqualsIgnoringCase(open->fullName, fullName)) {
      excel.Activate(open);
      return open;
    }
  }
  if (fullName.empty() || !PathFileExistsA(fullName.c_str()) || PathIsDirectoryA(fullName.c_str())) {
    *error = FileNotFoundText(path);
    return nullptr;
  }
  std::string name = PathFindFileNameA(fullName.c_str());
  if (excel.FindWorkbook(name)) {
    *error = SameNameOpenText(name);
    return nullptr;
  }
  auto book = std::make_shared<WorkbookState>();
  book->fullName = fullName;
  book->name = name;
  book->lastSaveTime = LastSaveTimeOf(fullName);
  ReadSheets(*book);
  excel.workbooks.push_back(book);
  excel.Activate(book);
  return book;
}

}  // namespace sim
