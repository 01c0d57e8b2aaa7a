// The dialog of the font map command: the stored font map entry by entry, independent
// of any table, and how the map is used when tables are placed.
#pragma once

#include <string>

#include "settings/ExcelFontMap.h"
#include "ui/DialogPresenter.h"

class CFontMapOptionDlg : public CDialogPresenter {
 public:
  enum ControlId {
    IDC_EXCEL_FONT = 253,
    IDC_STYLE = 254,
    IDC_MS_FONT = 255,
    IDC_ADD = 257,
    IDC_REMOVE = 258,
    IDC_SAVE = 262,
    IDC_LOAD = 263,
    IDC_FONTS = 244,
    IDC_AUTO_LOAD = 2003,
    IDC_FILE_PATH = 2008,
    IDC_USE_SAME_FONT = 251,
    IDC_SAME_FONT = 261,
    IDC_WIDTH_FACTOR = 2005,
    IDC_SHOW_FONT_MAP = 250,
    IDC_OK = 1,
    IDC_CANCEL = 2,
  };

  // Window 0 is the host's main window.
  explicit CFontMapOptionDlg(int hostWindow);

  void OnInitDialog() override;
  void OnCommand(int controlId) override;

 private:
  void ApplyEnabling();
  void OnAdd();
  void OnRemove();
  void OnSave();
  void OnLoad();
  void OnAutoLoadChanged();
  void OnOk();
  void FillFromRegistry();
  int Tell(const std::string& text, unsigned type = 0) const;

  ExcelFontMapArray fileMap_;
  std::string filePath_;
};
