// The rows of a report-style list view: its columns, the texts of its rows and which
// rows are selected. Dialogs fill it and read it back; the view shows it.
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes.h"

// Extended styles of a list view.
constexpr DWORD LVS_EX_GRIDLINES = 0x00000001;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020;

class CListModel {
 public:
  struct Column {
    std::string heading;
    int width = 0;
  };

  virtual ~CListModel() = default;

  // The column goes before the one at `index` (at the end when past it); its index.
  int InsertColumn(int index, const std::string& heading, int width);
  // A row whose first cells read `texts` (the others empty), before the row at
  // `index` (at the end when past it); its index. Selected rows keep their selection.
  int InsertItem(int index, std::vector<std::string> texts);
  bool DeleteItem(int row);
  void DeleteAllItems();
  int GetItemCount() const { return static_cast<int>(rows_.size()); }
  // "" for a row or column that is not there.
  std::string GetItemText(int row, int column) const;
  bool SetItemText(int row, int column, const std::string& text);

  // Rows that are not there are left out.
  void SetSelection(const std::vector<int>& rows);
  const std::vector<int>& GetSelection() const { return selection_; }
  // The first selected row in list order, -1 when none is selected.
  int GetFirstSelected() const;

  void SetExtendedStyle(DWORD style) { style_ = style; }
  DWORD GetExtendedStyle() const { return style_; }

  const std::vector<Column>& Columns() const { return columns_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

 private:
  std::vector<Column> columns_;
  std::vector<std::vector<std::string>> rows_;  // each as wide as the columns
  std::vector<int> selection_;                  // ascending
  DWORD style_ = 0;
};
