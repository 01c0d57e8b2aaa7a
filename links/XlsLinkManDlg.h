// The link manager's dialog: the links of the picked tables in a list, and the
// re-pointing, breaking and opening of the selected one, and the move of every link
// under one folder to another.
#pragma once

#include <string>

#include "links/XlsLinkMan.h"
#include "ui/DialogPresenter.h"

class CXlsLinkManDlg : public CDialogPresenter {
 public:
  enum ControlId {
    IDC_LINKS = 211,
    IDC_WORKBOOK = 201,
    IDC_BROWSE_WORKBOOK = 202,
    IDC_WORKSHEET = 219,
    IDC_SELECTION = 220,
    IDC_OPEN_WORKBOOK = 232,
    IDC_UPDATE = 248,
    IDC_BREAK_LINK = 2007,
    IDC_OLD_FOLDER = 233,
    IDC_NEW_FOLDER = 234,
    IDC_PICK_OLD_FOLDER = 235,
    IDC_PICK_NEW_FOLDER = 236,
    IDC_REPLACE = 237,
    IDC_CLOSE = 1,
  };

  // Works on its own copy of the links. Window 0 is the host's main window.
  CXlsLinkManDlg(const CXlsLinkMan& links, int hostWindow);

  void OnInitDialog() override;
  void OnCommand(int controlId) override;

  const CXlsLinkMan& Links() const { return links_; }

  // Moves the links of every table of the active model whose workbook lies under the
  // old folder to the new one. False when a table's legacy link record is damaged, the
  // host refused to rewrite a table, or the scan failed; tables already moved stay
  // moved.
  static bool ReplaceAllLink(const std::string& oldFolder, const std::string& newFolder);

 protected:
  void OnSelectionChanged(int listId) override;

 private:
  void OnBrowseWorkbook();
  void OnUpdate();
  void OnBreakLink();
  void OnOpenWorkbook();
  void OnPickFolder(int editId);
  void OnReplace();

  void FillList();
  xlslinkinfo RowLink(int row);
  xlslinkinfo EditedLink() const;
  void ClearLinkEdits();
  int Tell(const std::string& text, unsigned type) const;

  CXlsLinkMan links_;
};
