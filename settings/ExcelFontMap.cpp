#include "settings/ExcelFontMap.h"

#include "host/msmodel.h"
#include "settings/FontMapTexts.h"
#include "settings/FontResolution.h"
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

void ExcelFontMap::SetMSFont(const std::string& d) {
  if (d.empty()) return;
  const std::pair<const char*, int> labels[] = {
      {kLabelDgn, kFontKindDgn}, {kLabelShx, kFontKindShx}, {kLabelTrueType, kFontKindTrueType}};
  for (const auto& [label, kind] : labels)
    if (StartsWithNoCase(d, label)) {
      m_strMSFont = d.substr(std::string_view(label).size());
      m_nFontType = kind;
      m_nFontNum = FindMSFontNumber(m_strMSFont, m_nFontType);
    }
  if (EqualsNoCase(d, kActiveFont)) {
    UInt32 active = 0;
    if (mdlParams_getActive(&active, ACTIVEPARAM_FONT) == SUCCESS) m_nFontNum = static_cast<int>(active);
  }
}

void ExcelFontMapArray::MergeFrom(const ExcelFontMapArray& source, const std::string& defaultDisplayName) {
  for (auto& e : entries) {
    ExcelFontMap t;
    t.m_strExcelFont = e.m_strExcelFont;
    t.m_strStyle = e.m_strStyle;
    source.Lookup(t.m_strExcelFont, t.m_strStyle, &t.m_strMSFont, &t.m_nFontNum, &t.m_nFontType);
    if (!t.m_strMSFont.empty() && t.m_nFontNum >= 0)
      e = t;
    else if (e.m_strMSFont.empty() || e.m_nFontNum < 0)
      e.SetMSFont(defaultDisplayName);
  }
}
