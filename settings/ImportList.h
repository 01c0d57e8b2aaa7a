// The list of ranges to import in one run: its items, the registry list that keeps it
// between runs (one value per item under "Quorvelle\MultiImportList", named by the
// item's key text), and the list file (".qvxls", one key text a line).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct ImportItem {
  std::string workbook;
  std::string worksheet;
  std::string range;  // may be empty: the sheet's used range
};

// The registry section of the list.
extern const char kImportListSection[];

// "workbook*worksheet*range".
std::string ImportItemKey(const ImportItem& item);
// All three texts equal, letter case aside.
bool SameImportItem(const ImportItem& a, const ImportItem& b);

// One line of a list file (or a value name of the registry list): fields separated by
// runs of "*" (a leading one skipped), white space trimmed from the line and each
// field; workbook, worksheet and range are the first three. False when the line has
// no workbook or no worksheet.
bool ParseImportLine(std::string_view line, ImportItem* item);

// Lines longer than this are no item (paths, sheet names and ranges are far shorter).
constexpr std::size_t kMaxImportLineBytes = 4096;

// Calls `take` with the item of each line of a list file, in order, until it returns
// false. Lines end at LF (CR LF counting as LF). A line too long or holding control
// bytes is not text of a list: it is left out and counted in `leftOut`.
void ForEachImportLine(const std::vector<std::uint8_t>& bytes, const std::function<bool(const ImportItem&)>& take,
                       std::size_t* leftOut);
// The bytes of a list file: each key text followed by CR CR LF, as a text stream
// writes "\r\n".
std::vector<std::uint8_t> FormatImportList(const std::vector<ImportItem>& items);

// The registry list, in the registry's order; names too long to read are left out.
std::vector<ImportItem> ReadRegistryImportList();
bool WriteRegistryImportItem(const ImportItem& item);
bool DeleteRegistryImportItem(const ImportItem& item);
// The whole list key.
bool DeleteRegistryImportList();
