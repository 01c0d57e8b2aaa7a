// The dialog that composes the list of ranges to import in one run: items added from
// a workbook's sheets, removed, edited in place, saved to and loaded from list files,
// and remembered in the registry as they change.
#pragma once

#include <string>
#include <vector>

#include "settings/ImportList.h"
#include "ui/DialogPresenter.h"

class CImportMultiTablesDialog : public CDialogPresenter {
 public:
  enum ControlId {
    IDC_WORKBOOK = 2008,
    IDC_BROWSE = 202,
    IDC_WORKSHEET = 2011,
    IDC_RANGE = 2012,
    IDC_ADD = 257,
    IDC_REMOVE = 258,
    IDC_SAVE_LIST = 2015,
    IDC_LOAD_LIST = 2016,
    IDC_ITEMS = 2017,
    IDC_IMPORT = 1,
    IDC_CANCEL = 2,
  };

  // An import takes at most this many items.
  static constexpr int kMaxItems = 1000;

  explicit CImportMultiTablesDialog(HWND parent);

  void OnInitDialog() override;
  void OnCommand(int controlId) override;

  // The rows, in row order, once the dialog closed with Import.
  const std::vector<ImportItem>& Items() const { return items_; }

  // Puts the item among the rows kept in order of workbook (letter case aside): its
  // row, or -1 when a row holds the same item.
  int AddImportItem(const ImportItem& item);

 protected:
  void OnListNotify(int listId, UINT message, int row, int column) override;

 private:
  void OnBrowse();
  void OnAdd();
  void OnRemove();
  void OnSaveList();
  void OnLoadList();
  void OnEditCommitted(int row);

  ImportItem RowItem(int row);
  void SetRow(int row, const ImportItem& item);
  int Tell(const std::string& text, unsigned type = 0) const;

  ImportItem editedRow_;  // the row's texts before the edit in place
  std::vector<ImportItem> items_;
};
