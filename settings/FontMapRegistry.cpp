// The font map kept in the registry: one string value per entry, named by the Excel
// face and style ("%s*%s") and holding the display name of its MicroStation font.
#include "settings/ExcelFontMap.h"
#include "settings/FontMapTexts.h"
#include "settings/Profile.h"

namespace {
// Names and data longer than this are not read back.
constexpr size_t kMaxRegistryText = 259;
}  // namespace

void ExcelFontMapArray::LoadFromRegistry() {
  entries.clear();
  for (const auto& [name, data] : GetProfileStrings(kFontMapSection)) {
    if (name.size() > kMaxRegistryText || data.size() > kMaxRegistryText) continue;
    size_t star = name.find('*');
    ExcelFontMap entry;
    if (star != std::string::npos) {
      entry.m_strExcelFont = name.substr(0, star);
      entry.m_strStyle = name.substr(star + 1);
    }
    entry.SetMSFont(data);
    if (!entry.m_strExcelFont.empty() && !entry.m_strStyle.empty() && !entry.m_strMSFont.empty() &&
        entry.m_nFontNum >= 0)
      entries.push_back(entry);
  }
}

void ExcelFontMapArray::SaveToRegistry() const {
  for (const auto& e : entries)
    if (!e.m_strExcelFont.empty() && !e.m_strStyle.empty())
      WriteProfileString(kFontMapSection, e.m_strExcelFont + "*" + e.m_strStyle, e.GetDisplayName());
}
