#include "ui/DialogPresenter.h"

#include <algorithm>
#include <cctype>

#include "platform/msgbox.h"

void CDialogPresenter::OnTyped(int controlId, const std::string& text) {
  auto found = controls_.find(controlId);
  if (found == controls_.end() || !found->second.enabled) return;
  Control& control = found->second;
  // A drop-down list takes only one of its choices.
  if (control.dropDownList && std::find(control.items.begin(), control.items.end(), text) == control.items.end())
    return;
  control.text = text;
}

void CDialogPresenter::OnRowsSelected(int listId, const std::vector<int>& rows) {
  auto found = lists_.find(listId);
  if (found == lists_.end() || disabledLists_.count(listId)) return;
  found->second->SetSelection(rows);
  OnSelectionChanged(listId);
}

CEditableListCtrl* CDialogPresenter::EditableList(int listId) const {
  auto found = lists_.find(listId);
  return found == lists_.end() ? nullptr : dynamic_cast<CEditableListCtrl*>(found->second.get());
}

void CDialogPresenter::OnCellDoubleClicked(int listId, int row, int column) {
  if (disabledLists_.count(listId)) return;
  if (CEditableListCtrl* list = EditableList(listId)) list->BeginEdit(row, column);
}

void CDialogPresenter::OnCellEditEnded(int listId, const std::string& text, int key) {
  if (CEditableListCtrl* list = EditableList(listId)) list->EndEdit(text, key);
}

void CDialogPresenter::OnChecked(int controlId, bool checked) {
  auto found = controls_.find(controlId);
  if (found != controls_.end() && found->second.enabled && found->second.check >= 0) found->second.check = checked;
}

int CDialogPresenter::ControlCheck(int controlId) const {
  auto found = controls_.find(controlId);
  return found == controls_.end() ? -1 : found->second.check;
}

void CDialogPresenter::AddCheckBox(int controlId, const std::string& label, bool checked) {
  AddControl(controlId, label);
  controls_[controlId].check = checked;
}

void CDialogPresenter::CheckDlgButton(int controlId, bool checked) {
  if (auto found = controls_.find(controlId); found != controls_.end() && found->second.check >= 0)
    found->second.check = checked;
}

std::vector<std::string> CDialogPresenter::ControlItems(int controlId) const {
  auto found = controls_.find(controlId);
  return found == controls_.end() ? std::vector<std::string>() : found->second.items;
}

bool CDialogPresenter::EditingCell(int listId, int* row, int* column) const {
  const CEditableListCtrl* list = EditableList(listId);
  if (!list || !list->SubEdit().m_visible) return false;
  if (row) *row = list->SubEdit().m_row;
  if (column) *column = list->SubEdit().m_column;
  return true;
}

void CDialogPresenter::OnCommand(int controlId) {
  if (controlId == IDOK || controlId == IDCANCEL) EndDialog(controlId);
}

std::string CDialogPresenter::ControlText(int controlId) const {
  auto found = controls_.find(controlId);
  return found == controls_.end() ? std::string() : found->second.text;
}

bool CDialogPresenter::ControlEnabled(int controlId) const {
  if (lists_.count(controlId)) return !disabledLists_.count(controlId);
  auto found = controls_.find(controlId);
  return found != controls_.end() && found->second.enabled;
}

bool CDialogPresenter::ControlVisible(int controlId) const {
  if (lists_.count(controlId)) return true;
  auto found = controls_.find(controlId);
  return found != controls_.end() && found->second.visible;
}

void CDialogPresenter::ShowControl(int controlId, bool visible) {
  auto found = controls_.find(controlId);
  if (found != controls_.end()) found->second.visible = visible;
}

std::vector<int> CDialogPresenter::ListIds() const {
  std::vector<int> ids;
  for (const auto& [id, list] : lists_) ids.push_back(id);
  return ids;
}

std::vector<std::string> CDialogPresenter::ListColumns(int listId) const {
  std::vector<std::string> headings;
  if (auto found = lists_.find(listId); found != lists_.end())
    for (const auto& column : found->second->Columns()) headings.push_back(column.heading);
  return headings;
}

std::vector<std::vector<std::string>> CDialogPresenter::ListRows(int listId) const {
  auto found = lists_.find(listId);
  return found == lists_.end() ? std::vector<std::vector<std::string>>() : found->second->Rows();
}

std::vector<int> CDialogPresenter::SelectedRows(int listId) const {
  auto found = lists_.find(listId);
  return found == lists_.end() ? std::vector<int>() : found->second->GetSelection();
}

bool CDialogPresenter::Ended(LONG_PTR* result) const {
  if (ended_ && result) *result = result_;
  return ended_;
}

void CDialogPresenter::AddControl(int controlId, const std::string& text) {
  if (!controls_.count(controlId)) order_.push_back(controlId);
  controls_[controlId] = Control{text, true};
}

CListModel& CDialogPresenter::AddList(int listId) {
  lists_[listId] = std::make_unique<CListModel>();
  return *lists_[listId];
}

CEditableListCtrl& CDialogPresenter::AddEditableList(int listId) {
  auto list = std::make_unique<CEditableListCtrl>();
  CEditableListCtrl& editable = *list;
  editable.SetNotify([this, listId](UINT message, int row, int column) { OnListNotify(listId, message, row, column); });
  lists_[listId] = std::move(list);
  return editable;
}

void CDialogPresenter::AddDropDownList(int controlId, bool sorted) {
  AddControl(controlId);
  controls_[controlId].dropDownList = true;
  controls_[controlId].sorted = sorted;
}

void CDialogPresenter::AddComboBox(int controlId, bool sorted) {
  AddControl(controlId);
  controls_[controlId].sorted = sorted;
}

void CDialogPresenter::ResetContent(int controlId) {
  if (auto found = controls_.find(controlId); found != controls_.end()) {
    found->second.items.clear();
    found->second.text.clear();
  }
}

void CDialogPresenter::AddString(int controlId, const std::string& choice) {
  auto found = controls_.find(controlId);
  if (found == controls_.end()) return;
  // Sorted as the system sorts a list's choices: letter case aside.
  auto before = [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
  };
  auto& items = found->second.items;
  if (found->second.sorted)
    items.insert(std::upper_bound(items.begin(), items.end(), choice, before), choice);
  else
    items.push_back(choice);
}

void CDialogPresenter::SetDlgItemText(int controlId, const std::string& text) {
  if (auto found = controls_.find(controlId); found != controls_.end()) found->second.text = text;
}

void CDialogPresenter::EnableControl(int controlId, bool enabled) {
  if (lists_.count(controlId)) {
    if (enabled)
      disabledLists_.erase(controlId);
    else
      disabledLists_.insert(controlId);
    return;
  }
  if (auto found = controls_.find(controlId); found != controls_.end()) found->second.enabled = enabled;
}

void CDialogPresenter::EndDialog(LONG_PTR result) {
  ended_ = true;
  result_ = result;
}
