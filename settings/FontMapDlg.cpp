#include "settings/FontMapDlg.h"

#include <cstdio>

#include "host/mssystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "settings/FontListRows.h"
#include "settings/FontMapTexts.h"
#include "settings/FontResolution.h"
#include "settings/OptionNames.h"
#include "settings/Profile.h"

CFontMapDlg::CFontMapDlg(int hostWindow)
    : CDialogPresenter(kFontMapDlgTemplate, kFontMapCaption, mdlNativeWindow_getMainHandle(hostWindow)) {
  AddList(IDC_FONTS);
  AddCheckBox(IDC_AUTO_LOAD, kLabelAutoLoad);
  AddControl(IDC_FILE_PATH);
  AddCheckBox(IDC_USE_SAME_FONT, kLabelUseSameFont);
  AddControl(IDC_SAME_FONT, kActiveFont);
  AddDropDownList(IDC_MS_FONT);
  AddControl(IDC_UPDATE, kLabelUpdate);
  AddControl(IDC_WIDTH_FACTOR, kDefaultTextWFactor);
  AddControl(IDC_LOAD, kLabelLoadFromFile);
  AddControl(IDC_SAVE, kLabelSaveToFile);
  AddControl(IDC_OK, kLabelOk);
  AddCheckBox(IDC_SHOW_FONT_MAP, kLabelShowFontMap, true);
  EnableControl(IDC_FILE_PATH, false);  // read-only
  EnableControl(IDC_SAME_FONT, false);
}

void CFontMapDlg::OnInitDialog() {
  CListModel& list = List(IDC_FONTS);
  list.InsertColumn(kColumnFace, kColumnExcelFont, 100);
  list.InsertColumn(kColumnStyle, kColumnFontStyle, 60);
  list.InsertColumn(kColumnMapped, kColumnMSFont, 200);
  list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);

  for (const ExcelFontMap& font : CollectMSFonts().entries) {
    msFonts_.push_back(font.GetDisplayName());
    AddString(IDC_MS_FONT, msFonts_.back());
  }
  msFonts_.push_back(kActiveFont);
  AddString(IDC_MS_FONT, kActiveFont);
  const std::vector<std::string> items = ControlItems(IDC_MS_FONT);
  if (!items.empty()) SetDlgItemText(IDC_MS_FONT, items.front());
  defaultTextStyle_ = MakeActiveFontEntry().GetDisplayName();
  OnTyped(IDC_MS_FONT, defaultTextStyle_);
  defaultTextStyle_ = GetProfileString(kProductSection, kValueDefaultTextStyle, defaultTextStyle_);

  const bool useSame = GetProfileInt(kProductSection, kValueUseSameTextStyle, IsDlgButtonChecked(IDC_USE_SAME_FONT));
  const bool autoLoad = GetProfileInt(kProductSection, kValueAutoLoadFontMap, IsDlgButtonChecked(IDC_AUTO_LOAD));
  CheckDlgButton(IDC_USE_SAME_FONT, useSame);
  CheckDlgButton(IDC_AUTO_LOAD, autoLoad);
  filePath_ = ConfiguredFontMapFile();
  SetDlgItemText(IDC_FILE_PATH, filePath_);
  if (autoLoad && !filePath_.empty() && PathFileExistsA(filePath_.c_str()) && !useSame) {
    fileMap_.LoadFromFile(filePath_, Parent());
    m_tableMap.MergeFrom(fileMap_, defaultTextStyle_);
    SetCaption(FontMapCaptionFor(filePath_));
  } else {
    if (!filePath_.empty() && !PathFileExistsA(filePath_.c_str())) {
      char text[1200];
      std::snprintf(text, sizeof text, kFontMapFileNotFound, filePath_.c_str());
      Tell(text);
    }
    ExcelFontMapArray stored;
    stored.LoadFromRegistry();
    m_tableMap.MergeFrom(stored, defaultTextStyle_);
  }
  Fill();

  std::string same = GetProfileString(kProductSection, kValueSameTextStyle, kActiveFont);
  if (!AnyStartsWith(ControlItems(IDC_MS_FONT), same)) same = kNotFoundMarker + same;
  SetDlgItemText(IDC_SAME_FONT, same);
  CheckDlgButton(IDC_SHOW_FONT_MAP,
                 GetProfileInt(kProductSection, kValueShowFontMap, IsDlgButtonChecked(IDC_SHOW_FONT_MAP)));
  SetDlgItemText(IDC_WIDTH_FACTOR,
                 GetProfileString(kProductSection, kValueTextWFactor, GetDlgItemText(IDC_WIDTH_FACTOR)));
  ApplyEnabling();
}

void CFontMapDlg::OnCommand(int controlId) {
  switch (controlId) {
    case IDC_USE_SAME_FONT: return ApplyEnabling();
    case IDC_AUTO_LOAD: return OnAutoLoadChanged();
    case IDC_UPDATE: return OnUpdate();
    case IDC_SAVE: return OnSave();
    case IDC_LOAD: return OnLoad();
    case IDC_OK: return OnOk();
    default: return CDialogPresenter::OnCommand(controlId);
  }
}

void CFontMapDlg::ApplyEnabling() {
  const bool useSame = IsDlgButtonChecked(IDC_USE_SAME_FONT);
  if (useSame) CheckDlgButton(IDC_AUTO_LOAD, false);
  const bool autoLoad = IsDlgButtonChecked(IDC_AUTO_LOAD);
  EnableControl(IDC_FONTS, !useSame);
  EnableControl(IDC_LOAD, !useSame && !autoLoad);
  EnableControl(IDC_SAVE, !useSame && !autoLoad);
  EnableControl(IDC_AUTO_LOAD, !useSame);
}

void CFontMapDlg::OnUpdate() {
  const std::string font = GetDlgItemText(IDC_MS_FONT);
  if (font.empty()) return;
  if (IsDlgButtonChecked(IDC_USE_SAME_FONT)) {
    WriteProfileString(kProductSection, kValueSameTextStyle, font);
    SetDlgItemText(IDC_SAME_FONT, font);
    return;
  }
  CListModel& list = List(IDC_FONTS);
  for (int row : list.GetSelection()) {
    list.SetItemText(row, kColumnMapped, font);
    WriteFontMapEntry(list.GetItemText(row, kColumnFace), list.GetItemText(row, kColumnStyle), font);
  }
}

void CFontMapDlg::OnAutoLoadChanged() {
  const bool autoLoad = IsDlgButtonChecked(IDC_AUTO_LOAD);
  EnableControl(IDC_LOAD, !autoLoad);
  EnableControl(IDC_SAVE, !autoLoad);
  SetCaption(kFontMapCaption);
  if (autoLoad && !fileMap_.entries.empty()) {
    m_tableMap.MergeFrom(fileMap_, defaultTextStyle_);
    SetDlgItemText(IDC_WIDTH_FACTOR, fileMap_.m_strTextWFactor);
    SetCaption(FontMapCaptionFor(filePath_));
  } else if (autoLoad) {
    if (std::string configured = ConfiguredFontMapFile(); !configured.empty()) filePath_ = configured;
    SetDlgItemText(IDC_FILE_PATH, filePath_);
    if (!PathFileExistsA(filePath_.c_str())) {
      char text[1200];
      std::snprintf(text, sizeof text, kFontMapFileNotFound, filePath_.c_str());
      Tell(text);
      return;
    }
    fileMap_.LoadFromFile(filePath_, Parent());
    SetDlgItemText(IDC_WIDTH_FACTOR, fileMap_.m_strTextWFactor);
    m_tableMap.MergeFrom(fileMap_, defaultTextStyle_);
    SetCaption(FontMapCaptionFor(filePath_));
  } else {
    ExcelFontMapArray stored;
    stored.LoadFromRegistry();
    m_tableMap.MergeFrom(stored, defaultTextStyle_);
  }
  Fill();
}

void CFontMapDlg::OnSave() { SaveFontListToFile(Parent(), List(IDC_FONTS), GetDlgItemText(IDC_WIDTH_FACTOR)); }

void CFontMapDlg::OnLoad() {
  std::string path;
  if (!PickFontMapFileToOpen(Parent(), &path)) return;
  ExcelFontMapArray loaded;
  if (!loaded.LoadFromFile(path, Parent())) return;
  m_tableMap.MergeFrom(loaded, defaultTextStyle_);
  Fill();
  loaded.SaveToRegistry();
}

void CFontMapDlg::OnOk() {
  m_tableMap = ReadFontList(List(IDC_FONTS));
  const bool useSame = IsDlgButtonChecked(IDC_USE_SAME_FONT);
  if (useSame)
    for (ExcelFontMap& entry : m_tableMap.entries) entry.SetMSFont(WithoutNotFoundMarker(GetDlgItemText(IDC_SAME_FONT)));
  WriteFontMapSettings(useSame, IsDlgButtonChecked(IDC_SHOW_FONT_MAP), GetDlgItemText(IDC_WIDTH_FACTOR),
                       IsDlgButtonChecked(IDC_AUTO_LOAD));
  EndDialog(IDOK);
}

void CFontMapDlg::Fill() { FillFontList(List(IDC_FONTS), m_tableMap, &msFonts_); }

void CFontMapDlg::Tell(const std::string& text) const {
  MessageBoxA(Parent(), text.c_str(), kFontMapBoxTitle, MB_OK);
}
