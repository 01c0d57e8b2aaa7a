// The font map dialog shown while a table is placed: the Excel fonts of the table,
// the MicroStation font each is drawn in, and how the map is used.
#pragma once

#include <string>
#include <vector>

#include "settings/ExcelFontMap.h"
#include "ui/DialogPresenter.h"

class CFontMapDlg : public CDialogPresenter {
 public:
  enum ControlId {
    IDC_FONTS = 244,
    IDC_AUTO_LOAD = 2003,
    IDC_FILE_PATH = 2008,
    IDC_USE_SAME_FONT = 251,
    IDC_SAME_FONT = 265,
    IDC_MS_FONT = 247,
    IDC_UPDATE = 248,
    IDC_WIDTH_FACTOR = 2005,
    IDC_LOAD = 245,
    IDC_SAVE = 246,
    IDC_OK = 1,
    IDC_SHOW_FONT_MAP = 250,
  };

  // Window 0 is the host's main window.
  explicit CFontMapDlg(int hostWindow);

  void OnInitDialog() override;
  void OnCommand(int controlId) override;

  // The table's map: set before the dialog is shown, read after it closed.
  ExcelFontMapArray m_tableMap;

 private:
  void ApplyEnabling();
  void OnUpdate();
  void OnAutoLoadChanged();
  void OnSave();
  void OnLoad();
  void OnOk();
  void Fill();
  void Tell(const std::string& text) const;

  ExcelFontMapArray fileMap_;
  std::string filePath_;
  std::string defaultTextStyle_;
  std::vector<std::string> msFonts_;  // the combo box's display names
};
