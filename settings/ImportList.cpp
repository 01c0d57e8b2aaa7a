#include "settings/ImportList.h"

#include "settings/Profile.h"
#include "support/TextCompare.h"
#include "support/TextTrim.h"

const char kImportListSection[] = "Quorvelle\\MultiImportList";

namespace {

bool IsText(std::string_view line) {
  for (unsigned char c : line)
    if (c < 0x20 && c != '\t') return false;
  return true;
}

}  // namespace

std::string ImportItemKey(const ImportItem& item) { return item.workbook + "*" + item.worksheet + "*" + item.range; }

bool SameImportItem(const ImportItem& a, const ImportItem& b) {
  return EqualsNoCase(a.workbook, b.workbook) && EqualsNoCase(a.worksheet, b.worksheet) &&
         EqualsNoCase(a.range, b.range);
}

bool ParseImportLine(std::string_view line, ImportItem* item) {
  std::string* fields[] = {&item->workbook, &item->worksheet, &item->range};
  for (std::string* field : fields) field->clear();
  line = TrimWhiteSpace(line);
  std::size_t next = 0;
  for (std::size_t at = 0; at < line.size() && next < 3;) {
    const std::size_t start = line.find_first_not_of('*', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find('*', start), line.size());
    *fields[next++] = std::string(TrimWhiteSpace(line.substr(start, end - start)));
    at = end;
  }
  return !item->workbook.empty() && !item->worksheet.empty();
}

void ForEachImportLine(const std::vector<std::uint8_t>& bytes, const std::function<bool(const ImportItem&)>& take,
                       std::size_t* leftOut) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // The trailing CR of the list's own line ends goes with the trimming.
    const std::string_view trimmed = TrimWhiteSpace(line);
    if (trimmed.empty()) continue;
    if (line.size() > kMaxImportLineBytes || !IsText(trimmed)) {
      if (leftOut) ++*leftOut;
      continue;
    }
    ImportItem item;
    if (ParseImportLine(trimmed, &item) && !take(item)) return;
  }
}

std::vector<std::uint8_t> FormatImportList(const std::vector<ImportItem>& items) {
  std::vector<std::uint8_t> bytes;
  for (const ImportItem& item : items) {
    const std::string line = ImportItemKey(item) + "\r\r\n";
    bytes.insert(bytes.end(), line.begin(), line.end());
  }
  return bytes;
}

std::vector<ImportItem> ReadRegistryImportList() {
  std::vector<ImportItem> items;
  for (const auto& [name, data] : GetProfileStrings(kImportListSection)) {
    ImportItem item;
    if (ParseImportLine(name, &item)) items.push_back(std::move(item));
  }
  return items;
}

bool WriteRegistryImportItem(const ImportItem& item) {
  return WriteProfileString(kImportListSection, ImportItemKey(item), "");
}

bool DeleteRegistryImportItem(const ImportItem& item) {
  return DeleteProfileValue(kImportListSection, ImportItemKey(item));
}

bool DeleteRegistryImportList() { return DeleteProfileSection(kImportListSection); }
