// What the two font map dialogs share: the rows of their font list, the width factor
// rule, the font map file dialogs and the file the user's configuration names.
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes.h"
#include "settings/ExcelFontMap.h"
#include "ui/ListModel.h"

enum FontListColumn { kColumnFace = 0, kColumnStyle = 1, kColumnMapped = 2 };

// The text without a leading "*Not Found*" marker (letter case aside) when more
// follows it.
std::string WithoutNotFoundMarker(const std::string& text);
// The rows as a map: face, style, and the font of the display name in column 2.
ExcelFontMapArray ReadFontList(const CListModel& list);
// One row per entry. With `known` fonts, a display name none of them starts with
// (letter case aside) is shown after the "*Not Found*" marker.
void FillFontList(CListModel& list, const ExcelFontMapArray& map, const std::vector<std::string>* known = nullptr);
// A width factor text whose value is below 1e-6, or no number, becomes "0.9".
std::string ValidWidthFactor(const std::string& text);
// What OK of both dialogs writes: the same font for all (which turns automatic loading
// off), the dialog's showing while placing, the width factor (by the rule above) and
// automatic loading.
void WriteFontMapSettings(bool useSameFont, bool showDialog, const std::string& widthFactor, bool autoLoad);
// The writing of a registry map value: the entry of the face and style.
void WriteFontMapEntry(const std::string& face, const std::string& style, const std::string& font);
// Saves the rows with the width factor to the ".afm" file the person chooses; nothing
// when the list is empty or the dialog is cancelled.
void SaveFontListToFile(HWND owner, const CListModel& list, const std::string& widthFactor);
// Whether any of the texts starts with the prefix, letter case aside.
bool AnyStartsWith(const std::vector<std::string>& texts, const std::string& prefix);

// The font map file dialogs, starting in the folder last used, which they remember.
bool PickFontMapFileToOpen(HWND owner, std::string* path);
bool PickFontMapFileToSave(HWND owner, std::string* path);
// The font map file the configuration variable KORVU_QV_AFM names; "" when none.
std::string ConfiguredFontMapFile();
// "Font Map - <file name>".
std::string FontMapCaptionFor(const std::string& path);
