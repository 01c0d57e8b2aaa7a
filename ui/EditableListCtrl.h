// A list whose cells can be edited in place: a double click puts an edit box over the
// cell, Enter or moving away writes its text into the cell, Escape leaves the cell as
// it was. The dialog owning the list hears of each step by message.
#pragma once

#include <functional>
#include <string>

#include "platform/windows.h"
#include "ui/ListModel.h"

// The messages to the owning dialog, with the row and column of the cell.
constexpr UINT kMsgCellEditBegin = WM_USER + 103;      // 1127
constexpr UINT kMsgCellEditCommitted = WM_USER + 101;  // 1125
constexpr UINT kMsgCellEditCancelled = WM_USER + 102;  // 1126

// Keys that end an edit.
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;

// The edit box over the cell being edited.
class CListCtrlSubEdit {
 public:
  static constexpr int kControlId = 3999;

  int m_row = -1;     // -1 when no cell is edited
  int m_column = -1;
  int m_lastKey = 0;  // 0, Enter or Escape: what ended the last edit
  std::string m_text;
  bool m_visible = false;
};

class CEditableListCtrl : public CListModel {
 public:
  using Notify = std::function<void(UINT message, int row, int column)>;

  // Where the messages go (the owning dialog).
  void SetNotify(Notify notify) { notify_ = std::move(notify); }
  // Columns before this one are not edited in place (0: every column is).
  void SetFirstEditableColumn(int column) { firstEditableColumn_ = column; }

  // A double click on the cell: the edit box takes its text and the dialog is told.
  // False when the cell is not an item's or not editable.
  bool BeginEdit(int row, int column);
  // The edit box closes: with Enter or the focus moving away its text goes into the
  // cell and the edit is committed, with Escape it is cancelled. Nothing when no edit
  // is open.
  void EndEdit(const std::string& text, int key);

  const CListCtrlSubEdit& SubEdit() const { return edit_; }

 private:
  CListCtrlSubEdit edit_;
  int firstEditableColumn_ = 0;
  Notify notify_;
};
