#include "ui/EditableListCtrl.h"

bool CEditableListCtrl::BeginEdit(int row, int column) {
  if (row < 0 || row >= GetItemCount() || column < firstEditableColumn_ ||
      column >= static_cast<int>(Columns().size()))
    return false;
  edit_.m_row = row;
  edit_.m_column = column;
  edit_.m_text = GetItemText(row, column);
  edit_.m_visible = true;
  if (notify_) notify_(kMsgCellEditBegin, row, column);
  return true;
}

void CEditableListCtrl::EndEdit(const std::string& text, int key) {
  if (!edit_.m_visible) return;
  const int row = edit_.m_row;
  const int column = edit_.m_column;
  edit_.m_visible = false;
  edit_.m_lastKey = key;
  edit_.m_row = edit_.m_column = -1;
  if (key == kKeyEscape) {
    if (notify_) notify_(kMsgCellEditCancelled, row, column);
    return;
  }
  SetItemText(row, column, text);
  if (notify_) notify_(kMsgCellEditCommitted, row, column);
}
