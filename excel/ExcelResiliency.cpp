#include "excel/ExcelResiliency.h"

#include <string_view>
#include <vector>

#include "excel/AddinTexts.h"
#include "platform/registry.h"

namespace {

BYTE FoldLetter(BYTE c) { return c >= 'a' && c <= 'z' ? static_cast<BYTE>(c - 'a' + 'A') : c; }

// The text at `offset`, its characters `stride` bytes apart: 1 for 8-bit text, 2
// for UTF-16 text, whose second byte must then be zero.
bool TextAt(const BYTE* data, std::size_t size, std::size_t offset, std::string_view text, std::size_t stride) {
  if (offset + text.size() * stride > size) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const BYTE* at = data + offset + i * stride;
    if (FoldLetter(*at) != FoldLetter(static_cast<BYTE>(text[i]))) return false;
    if (stride == 2 && at[1] != 0) return false;
  }
  return true;
}

// Excel keeps the paths in these lists as UTF-16 text inside binary data; entries
// written as 8-bit text are recognised as well. Only the value's own bytes are read.
bool HoldsText(const BYTE* data, std::size_t size, std::string_view text) {
  if (text.empty()) return false;
  for (std::size_t offset = 0; offset < size; ++offset)
    if (TextAt(data, size, offset, text, 1) || TextAt(data, size, offset, text, 2)) return true;
  return false;
}

void ClearList(const char* keyPath, std::string_view searchText) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ | KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  DWORD valueCount = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, nullptr, nullptr,
                       nullptr, nullptr) == ERROR_SUCCESS &&
      valueCount > 0) {
    // Deleting while enumerating would shift the indexes: mark first, delete after.
    std::vector<std::string> marked;
    for (DWORD index = 0; index < valueCount; ++index) {
      char name[kResiliencyMaxNameChars + 1];
      BYTE data[kResiliencyMaxDataBytes];
      DWORD nameChars = sizeof name, dataBytes = sizeof data, type = 0;
      LSTATUS status = RegEnumValueA(key, index, name, &nameChars, nullptr, &type, data, &dataBytes);
      if (status == ERROR_NO_MORE_ITEMS) break;
      // A value too large for these buffers is passed over; the ones after it still count.
      if (status != ERROR_SUCCESS || dataBytes > sizeof data) continue;
      if (HoldsText(data, dataBytes, searchText)) marked.emplace_back(name, nameChars);
    }
    for (const std::string& name : marked) RegDeleteValueA(key, name.c_str());
  }
  RegCloseKey(key);
}

}  // namespace

void ClearExcelResiliency(const std::string& searchText) {
  for (const char* keyPath : kResiliencyKeys) ClearList(keyPath, searchText);
}
