// Arbitrary bytes as an import list file: every item read is a line's first three
// fields, written back and read again to the same item.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "settings/ImportList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  std::vector<ImportItem> items;
  std::size_t leftOut = 0;
  ForEachImportLine(
      bytes,
      [&](const ImportItem& item) {
        if (item.workbook.empty() || item.worksheet.empty()) std::abort();
        items.push_back(item);
        return true;
      },
      &leftOut);
  std::vector<ImportItem> again;
  ForEachImportLine(
      FormatImportList(items),
      [&](const ImportItem& item) {
        again.push_back(item);
        return true;
      },
      nullptr);
  if (again.size() != items.size()) std::abort();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (ImportItemKey(again[i]) != ImportItemKey(items[i])) std::abort();
  return 0;
}
