#include "settings/FontMapOptionDlg.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "host/mssystem.h"
#include "platform/files.h"
#include "platform/fontenum.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "settings/FontListRows.h"
#include "settings/FontMapTexts.h"
#include "settings/FontResolution.h"
#include "settings/OptionNames.h"
#include "settings/Profile.h"
#include "support/TextCompare.h"
#include "support/TextConvert.h"
#include "ui/CommonDialogs.h"
#include "ui/UiTexts.h"

namespace {

// The ProjectWise component fetches the document for reading.
constexpr int kProjectWiseReadMode = 2;

// The font families the system offers, each once.
int AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM context) {
  auto& names = *reinterpret_cast<std::vector<std::string>*>(context);
  const std::string name(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
  bool present = false;
  for (const std::string& known : names) present = present || StartsWithNoCase(known, name);
  if (!present && !name.empty()) names.push_back(name);
  return 1;
}

std::vector<std::string> FontFamilies(HWND window) {
  std::vector<std::string> names;
  HDC context = GetDC(window);
  LOGFONTA pattern{};
  pattern.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(context, &pattern, AddFamily, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(window, context);
  return names;
}

std::string Formatted(const char* format, const std::string& text) {
  char out[1200];
  std::snprintf(out, sizeof out, format, text.c_str());
  return out;
}

}  // namespace

CFontMapOptionDlg::CFontMapOptionDlg(int hostWindow)
    : CDialogPresenter(kFontMapOptionDlgTemplate, kFontMapCaption, mdlNativeWindow_getMainHandle(hostWindow)) {
  AddDropDownList(IDC_EXCEL_FONT);
  AddDropDownList(IDC_STYLE, false);
  AddComboBox(IDC_MS_FONT);
  AddControl(IDC_ADD, kLabelAdd);
  AddControl(IDC_REMOVE, kLabelRemove);
  AddControl(IDC_SAVE, kLabelSaveToFileKey);
  AddControl(IDC_LOAD, kLabelLoadFromFileKey);
  AddList(IDC_FONTS);
  AddCheckBox(IDC_AUTO_LOAD, kLabelAutoLoad);
  AddControl(IDC_FILE_PATH);
  AddCheckBox(IDC_USE_SAME_FONT, kLabelUseSameFont);
  AddDropDownList(IDC_SAME_FONT);
  AddControl(IDC_WIDTH_FACTOR, kDefaultTextWFactor);
  AddCheckBox(IDC_SHOW_FONT_MAP, kLabelShowFontMap, true);
  AddControl(IDC_OK, kLabelOk);
  AddControl(IDC_CANCEL, kLabelCancel);
  EnableControl(IDC_FILE_PATH, false);  // read-only
}

void CFontMapOptionDlg::OnInitDialog() {
  CListModel& list = List(IDC_FONTS);
  list.InsertColumn(kColumnFace, kColumnExcelFont, 100);
  list.InsertColumn(kColumnStyle, kColumnFontStyle, 60);
  list.InsertColumn(kColumnMapped, kColumnMSFont, 220);
  list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);

  for (const std::string& family : FontFamilies(Parent())) AddString(IDC_EXCEL_FONT, family);
  OnTyped(IDC_EXCEL_FONT, kDefaultExcelFace);
  for (const char* style : kFontStyles) AddString(IDC_STYLE, style);
  OnTyped(IDC_STYLE, kFontStyles[0]);
  for (const ExcelFontMap& font : CollectMSFonts().entries) {
    AddString(IDC_MS_FONT, font.GetDisplayName());
    AddString(IDC_SAME_FONT, font.GetDisplayName());
  }
  AddString(IDC_MS_FONT, kActiveFont);
  AddString(IDC_SAME_FONT, kActiveFont);
  SetDlgItemText(IDC_MS_FONT, MakeActiveFontEntry().GetDisplayName());
  OnTyped(IDC_SAME_FONT, kActiveFont);

  CheckDlgButton(IDC_SHOW_FONT_MAP,
                 GetProfileInt(kProductSection, kValueShowFontMap, IsDlgButtonChecked(IDC_SHOW_FONT_MAP)));
  const bool useSame = GetProfileInt(kProductSection, kValueUseSameTextStyle, 0);
  CheckDlgButton(IDC_USE_SAME_FONT, useSame);
  OnTyped(IDC_SAME_FONT, GetProfileString(kProductSection, kValueSameTextStyle, kActiveFont));
  SetDlgItemText(IDC_WIDTH_FACTOR,
                 GetProfileString(kProductSection, kValueTextWFactor, GetDlgItemText(IDC_WIDTH_FACTOR)));
  const bool autoLoad = GetProfileInt(kProductSection, kValueAutoLoadFontMap, 0);
  CheckDlgButton(IDC_AUTO_LOAD, autoLoad);
  filePath_ = ConfiguredFontMapFile();
  SetDlgItemText(IDC_FILE_PATH, filePath_);

  if (autoLoad && !filePath_.empty() && PathFileExistsA(filePath_.c_str()) && !useSame) {
    fileMap_.LoadFromFile(filePath_, Parent());
    FillFontList(List(IDC_FONTS), fileMap_);
    SetCaption(FontMapCaptionFor(filePath_));
  } else {
    if (!filePath_.empty() && !PathFileExistsA(filePath_.c_str())) Tell(Formatted(kFontMapFileNotFound, filePath_));
    FillFromRegistry();
  }
  ApplyEnabling();
}

void CFontMapOptionDlg::OnCommand(int controlId) {
  switch (controlId) {
    case IDC_USE_SAME_FONT: return ApplyEnabling();
    case IDC_AUTO_LOAD: return OnAutoLoadChanged();
    case IDC_ADD: return OnAdd();
    case IDC_REMOVE: return OnRemove();
    case IDC_SAVE: return OnSave();
    case IDC_LOAD: return OnLoad();
    case IDC_OK: return OnOk();
    default: return CDialogPresenter::OnCommand(controlId);
  }
}

void CFontMapOptionDlg::ApplyEnabling() {
  const bool useSame = IsDlgButtonChecked(IDC_USE_SAME_FONT);
  if (useSame) CheckDlgButton(IDC_AUTO_LOAD, false);
  const bool editable = !useSame && !IsDlgButtonChecked(IDC_AUTO_LOAD);
  for (int id : {IDC_EXCEL_FONT, IDC_STYLE, IDC_MS_FONT, IDC_ADD, IDC_REMOVE, IDC_LOAD, IDC_SAVE})
    EnableControl(id, editable);
  EnableControl(IDC_FONTS, !useSame);
  EnableControl(IDC_SAME_FONT, useSame);
  EnableControl(IDC_AUTO_LOAD, !useSame);
}

void CFontMapOptionDlg::OnAdd() {
  const std::string face = GetDlgItemText(IDC_EXCEL_FONT);
  const std::string style = GetDlgItemText(IDC_STYLE);
  const std::string font = GetDlgItemText(IDC_MS_FONT);
  if (face.empty() || face.find('*') != std::string::npos) return void(Tell(kInvalidFontName, MB_OK));
  if (font.empty()) return void(Tell(kInvalidTextStyle, MB_OK));
  CListModel& list = List(IDC_FONTS);
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (!EqualsNoCase(list.GetItemText(row, kColumnFace), face) || !EqualsNoCase(list.GetItemText(row, kColumnStyle), style))
      continue;
    if (Tell(kReplaceSameFont, MB_YESNO) == IDYES) {
      list.SetItemText(row, kColumnMapped, font);
      WriteFontMapEntry(face, style, font);
    }
    return;
  }
  list.InsertItem(list.GetItemCount(), {face, style, font});
  WriteFontMapEntry(face, style, font);
}

void CFontMapOptionDlg::OnRemove() {
  if (Tell(kConfirmRemoveFont, MB_YESNO) != IDYES) return;
  CListModel& list = List(IDC_FONTS);
  const int row = list.GetFirstSelected();
  if (row < 0) return;
  DeleteProfileValue(kFontMapSection, list.GetItemText(row, kColumnFace) + "*" + list.GetItemText(row, kColumnStyle));
  list.DeleteItem(row);
}

void CFontMapOptionDlg::OnSave() {
  SaveFontListToFile(Parent(), List(IDC_FONTS), GetDlgItemText(IDC_WIDTH_FACTOR));
}

void CFontMapOptionDlg::OnLoad() {
  // A font map kept on the ProjectWise server comes as a local copy, used and deleted.
  std::u16string fetched;
  if (FetchProjectWiseDocument(Parent(), ProjectWiseLibraryPath(), kProjectWiseReadMode, &fetched)) {
    const std::string copy = WideToNarrow(fetched);
    if (!copy.empty() && PathFileExistsA(copy.c_str())) {
      ExcelFontMapArray loaded;
      if (loaded.LoadFromFile(copy, Parent())) {
        FillFontList(List(IDC_FONTS), loaded);
        loaded.SaveToRegistry();
      }
      DeleteFileA(copy.c_str());
      return;
    }
    MessageBoxA(Parent(), Formatted(kFontMapFileNotFound, copy).c_str(), kProjectWiseBoxTitle, MB_OK | MB_ICONINFORMATION);
  }
  std::string path;
  if (!PickFontMapFileToOpen(Parent(), &path)) return;
  ExcelFontMapArray loaded;
  if (!loaded.LoadFromFile(path, Parent())) return;
  FillFontList(List(IDC_FONTS), loaded);
  loaded.SaveToRegistry();
}

void CFontMapOptionDlg::OnAutoLoadChanged() {
  const bool autoLoad = IsDlgButtonChecked(IDC_AUTO_LOAD);
  for (int id : {IDC_EXCEL_FONT, IDC_STYLE, IDC_MS_FONT, IDC_ADD, IDC_REMOVE, IDC_LOAD, IDC_SAVE})
    EnableControl(id, !autoLoad);
  SetCaption(kFontMapCaption);
  if (autoLoad && fileMap_.entries.empty()) {
    if (std::string configured = ConfiguredFontMapFile(); !configured.empty()) filePath_ = configured;
    SetDlgItemText(IDC_FILE_PATH, filePath_);
    if (!PathFileExistsA(filePath_.c_str())) return void(Tell(Formatted(kFontMapFileNotFound, filePath_)));
    fileMap_.LoadFromFile(filePath_, Parent());
    SetCaption(FontMapCaptionFor(filePath_));
  } else if (autoLoad) {
    SetCaption(FontMapCaptionFor(filePath_));
  } else {
    FillFromRegistry();
  }
}

void CFontMapOptionDlg::OnOk() {
  const std::string same = GetDlgItemText(IDC_SAME_FONT);
  if (same.empty()) return void(Tell(kInvalidTextStyle, MB_OK));
  const bool useSame = IsDlgButtonChecked(IDC_USE_SAME_FONT);
  if (useSame) WriteProfileString(kProductSection, kValueSameTextStyle, same);
  WriteFontMapSettings(useSame, IsDlgButtonChecked(IDC_SHOW_FONT_MAP), GetDlgItemText(IDC_WIDTH_FACTOR),
                       IsDlgButtonChecked(IDC_AUTO_LOAD));
  EndDialog(IDOK);
}

void CFontMapOptionDlg::FillFromRegistry() {
  ExcelFontMapArray stored;
  stored.LoadFromRegistry();
  FillFontList(List(IDC_FONTS), stored);
}

int CFontMapOptionDlg::Tell(const std::string& text, unsigned type) const {
  return MessageBoxA(Parent(), text.c_str(), kFontMapBoxTitle, type);
}
