#include "sim/excel/WorkbookFile.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/times.h"
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/KeepLastError.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/platform/SimPlatform.h"
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

// A UTC file time as the automation date of the same moment in local time.
std::optional<ExcelDate> LocalAutomationDate(const FILETIME& utc) {
  FILETIME local;
  if (!FileTimeToLocalFileTime(&utc, &local)) return std::nullopt;
  std::uint64_t ticks = (std::uint64_t{local.dwHighDateTime} << 32) | local.dwLowDateTime;
  if (ticks < kTicksToAutomationEpoch) return std::nullopt;
  return ExcelDate{static_cast<double>(ticks - kTicksToAutomationEpoch) / kTicksPerDay};
}

// "2016-03-01T10:00:00Z", the document's modification time as its core properties
// give it (UTC); none when it is no such time.
std::optional<FILETIME> FileTimeOfW3cTime(const std::string& text) {
  int year, month, day, hour, minute, second;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &year, &month, &day, &hour, &minute, &second) != 6 ||
      year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
    return std::nullopt;
  SYSTEMTIME time{static_cast<WORD>(year), static_cast<WORD>(month), 0,
                  static_cast<WORD>(day),  static_cast<WORD>(hour),  static_cast<WORD>(minute),
                  static_cast<WORD>(second), 0};
  FILETIME utc;
  if (!SystemTimeToFileTime(&time, &utc)) return std::nullopt;
  return utc;
}

// The dates among Excel's built-in document properties.
bool IsDateProperty(const std::string& name) {
  return name == "Last Save Time" || name == "Creation Date" || name == "Last Print Date";
}

// The document's properties as Excel gives them: dates in local time. Last Save Time
// is the document's own modification time, else the file's last write time.
std::map<std::string, ExcelVariant> PropertiesOf(const std::string& fullName, const WorkbookData& content) {
  std::map<std::string, ExcelVariant> properties;
  for (const auto& [name, value] : content.documentProperties) {
    if (!IsDateProperty(name)) {
      properties[name] = value;
    } else if (auto utc = FileTimeOfW3cTime(value)) {
      if (auto date = LocalAutomationDate(*utc)) properties[name] = *date;
    }
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!properties.contains("Last Save Time") &&
      GetFileAttributesExA(fullName.c_str(), GetFileExInfoStandard, &data))
    if (auto date = LocalAutomationDate(data.ftLastWriteTime)) properties["Last Save Time"] = *date;
  return properties;
}

int Visibility(const std::string& state) {
  if (state == "hidden") return kSheetHidden;
  if (state == "veryHidden") return kSheetVeryHidden;
  return kSheetVisible;
}

// The sheets in tab order; the one the file shows in front is active when it can be.
void AddSheets(WorkbookState& book) {
  const WorkbookData& content = *book.content;
  for (const SheetData& sheet : content.sheets) book.AddSheet(sheet.name, Visibility(sheet.state));
  if (content.activeTab >= 0 && static_cast<std::size_t>(content.activeTab) < book.sheets.size() &&
      book.sheets[static_cast<std::size_t>(content.activeTab)]->visibility == kSheetVisible)
    book.activeSheet = book.sheets[static_cast<std::size_t>(content.activeTab)];
}

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
  std::string why;
  auto content = ReadWorkbook(ToLinuxPath(fullName), &why, WorkbookCells::OnDemand);
  if (!content) {
    *error = DamagedFileText(name, why);
    return nullptr;
  }
  auto book = std::make_shared<WorkbookState>();
  book->fullName = fullName;
  book->name = name;
  book->content = content;
  book->properties = PropertiesOf(fullName, *content);
  AddSheets(*book);
  excel.history.push_back("opened " + fullName);
  excel.workbooks.push_back(book);
  excel.Activate(book);
  return book;
}

}  // namespace sim
