#include "settings/FontListRows.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/mssystem.h"
#include "platform/paths.h"
#include "settings/FontMapTexts.h"
#include "settings/OptionNames.h"
#include "settings/Profile.h"
#include "support/DecimalText.h"
#include "support/TextCompare.h"
#include "ui/CommonDialogs.h"

std::string WithoutNotFoundMarker(const std::string& text) {
  const std::size_t n = sizeof kNotFoundMarker - 1;
  return text.size() > n && StartsWithNoCase(text, kNotFoundMarker) ? text.substr(n) : text;
}

ExcelFontMapArray ReadFontList(const CListModel& list) {
  ExcelFontMapArray map;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    ExcelFontMap entry;
    entry.m_strExcelFont = list.GetItemText(row, kColumnFace);
    entry.m_strStyle = list.GetItemText(row, kColumnStyle);
    entry.SetMSFont(WithoutNotFoundMarker(list.GetItemText(row, kColumnMapped)));
    map.entries.push_back(entry);
  }
  return map;
}

bool AnyStartsWith(const std::vector<std::string>& texts, const std::string& prefix) {
  for (const std::string& text : texts)
    if (StartsWithNoCase(text, prefix)) return true;
  return false;
}

void FillFontList(CListModel& list, const ExcelFontMapArray& map, const std::vector<std::string>* known) {
  list.DeleteAllItems();
  for (const ExcelFontMap& entry : map.entries) {
    std::string shown = entry.GetDisplayName();
    if (known && !AnyStartsWith(*known, shown)) shown = kNotFoundMarker + shown;
    list.InsertItem(list.GetItemCount(), {entry.m_strExcelFont, entry.m_strStyle, shown});
  }
}

std::string ValidWidthFactor(const std::string& text) {
  const double value = DecimalPrefixToDouble(text);
  return std::isfinite(value) && value >= 1e-6 ? text : kDefaultTextWFactor;
}

void WriteFontMapSettings(bool useSameFont, bool showDialog, const std::string& widthFactor, bool autoLoad) {
  WriteProfileInt(kProductSection, kValueUseSameTextStyle, useSameFont);
  WriteProfileInt(kProductSection, kValueShowFontMap, showDialog);
  WriteProfileString(kProductSection, kValueTextWFactor, ValidWidthFactor(widthFactor));
  WriteProfileInt(kProductSection, kValueAutoLoadFontMap, useSameFont ? 0 : autoLoad);
}

void WriteFontMapEntry(const std::string& face, const std::string& style, const std::string& font) {
  WriteProfileString(kFontMapSection, face + "*" + style, font);
}

void SaveFontListToFile(HWND owner, const CListModel& list, const std::string& widthFactor) {
  ExcelFontMapArray map = ReadFontList(list);
  std::string path;
  if (map.entries.empty() || !PickFontMapFileToSave(owner, &path)) return;
  map.m_strTextWFactor = widthFactor;
  map.SaveToFile(path);
}

namespace {

bool PickFontMapFile(HWND owner, bool save, std::string* path) {
  const std::string folder = GetProfileString(kProductSection, kValueFontMapDlgInitFolder, "");
  const bool chosen = save ? PickFileToSave(owner, kFontMapExtension, kFontMapFilter, path, folder, kFontMapUntitled)
                           : PickFileToOpen(owner, kFontMapExtension, kFontMapFilter, path, folder);
  if (!chosen) return false;
  std::string chosenFolder = *path;
  if (PathRemoveFileSpecA(chosenFolder.data())) {
    chosenFolder = chosenFolder.c_str();
    if (!chosenFolder.empty() && chosenFolder.back() != '\\') chosenFolder += '\\';
    WriteProfileString(kProductSection, kValueFontMapDlgInitFolder, chosenFolder);
  }
  return true;
}

}  // namespace

bool PickFontMapFileToOpen(HWND owner, std::string* path) { return PickFontMapFile(owner, false, path); }
bool PickFontMapFileToSave(HWND owner, std::string* path) { return PickFontMapFile(owner, true, path); }

std::string ConfiguredFontMapFile() {
  char* value = mdlSystem_getExpandedCfgVar(kFontMapFileCfgVar);
  if (!value) return "";
  std::string path = value;
  mdlSystem_freeCfgVarBuffer(value);
  return path;
}

std::string FontMapCaptionFor(const std::string& path) {
  char text[1200];
  std::snprintf(text, sizeof text, kFontMapCaptionWithFile, PathFindFileNameA(path.c_str()));
  return text;
}
