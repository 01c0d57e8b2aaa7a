#include "settings/ExcelFontMap.h"

#include "support/TextCompare.h"

std::string FontStyleText(bool bold, bool italic) {
  if (bold && italic) return "Bold Italic";
  if (bold) return "Bold";
  if (italic) return "Italic";
  return "Regular";
}

std::string ExcelFontMap::GetDisplayName() const {
  const char* label = m_nFontType == kFontKindDgn ? "(DGN) " : m_nFontType == kFontKindShx ? "(SHX) " : "(TrueType) ";
  return label + m_strMSFont;
}

int ExcelFontMapArray::FindIndex(const std::string& face, const std::string& style) const {
  for (size_t i = 0; i < entries.size(); ++i)
    if (EqualsNoCase(entries[i].m_strExcelFont, face) && EqualsNoCase(entries[i].m_strStyle, style))
      return static_cast<int>(i);
  return -1;
}

void ExcelFontMapArray::AddExcelFont(const std::string& face, bool bold, bool italic) {
  std::string style = FontStyleText(bold, italic);
  if (FindIndex(face, style) >= 0) return;
  ExcelFontMap entry;
  entry.m_strExcelFont = face;
  entry.m_strStyle = style;
  entries.push_back(entry);
}

int ExcelFontMapArray::GetFontNumber(const std::string& face, bool bold, bool italic) const {
  int i = FindIndex(face, FontStyleText(bold, italic));
  return i >= 0 ? entries[i].m_nFontNum : -1;
}

void ExcelFontMapArray::Lookup(const std::string& face, const std::string& style, std::string* msFont, int* fontNum,
                               int* fontType) const {
  for (const auto& e : entries)
    if (EqualsNoCase(e.m_strExcelFont, face) && EqualsNoCase(e.m_strStyle, style)) {
      if (msFont) *msFont = e.m_strMSFont;
      if (fontNum) *fontNum = e.m_nFontNum;
      if (fontType) *fontType = e.m_nFontType;
    }
}
