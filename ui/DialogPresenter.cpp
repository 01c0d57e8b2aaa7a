#include "ui/DialogPresenter.h"

#include "platform/msgbox.h"

void CDialogPresenter::OnTyped(int controlId, const std::string& text) {
  auto found = controls_.find(controlId);
  if (found != controls_.end() && found->second.enabled) found->second.text = text;
}

void CDialogPresenter::OnRowsSelected(int listId, const std::vector<int>& rows) {
  auto found = lists_.find(listId);
  if (found == lists_.end()) return;
  found->second.SetSelection(rows);
  OnSelectionChanged(listId);
}

void CDialogPresenter::OnCommand(int controlId) {
  if (controlId == IDOK || controlId == IDCANCEL) EndDialog(controlId);
}

std::string CDialogPresenter::ControlText(int controlId) const {
  auto found = controls_.find(controlId);
  return found == controls_.end() ? std::string() : found->second.text;
}

bool CDialogPresenter::ControlEnabled(int controlId) const {
  auto found = controls_.find(controlId);
  return found != controls_.end() && found->second.enabled;
}

std::vector<int> CDialogPresenter::ListIds() const {
  std::vector<int> ids;
  for (const auto& [id, list] : lists_) ids.push_back(id);
  return ids;
}

std::vector<std::string> CDialogPresenter::ListColumns(int listId) const {
  std::vector<std::string> headings;
  if (auto found = lists_.find(listId); found != lists_.end())
    for (const auto& column : found->second.Columns()) headings.push_back(column.heading);
  return headings;
}

std::vector<std::vector<std::string>> CDialogPresenter::ListRows(int listId) const {
  auto found = lists_.find(listId);
  return found == lists_.end() ? std::vector<std::vector<std::string>>() : found->second.Rows();
}

std::vector<int> CDialogPresenter::SelectedRows(int listId) const {
  auto found = lists_.find(listId);
  return found == lists_.end() ? std::vector<int>() : found->second.GetSelection();
}

bool CDialogPresenter::Ended(LONG_PTR* result) const {
  if (ended_ && result) *result = result_;
  return ended_;
}

void CDialogPresenter::AddControl(int controlId, const std::string& text) {
  if (!controls_.count(controlId)) order_.push_back(controlId);
  controls_[controlId] = Control{text, true};
}

CListModel& CDialogPresenter::AddList(int listId) { return lists_[listId]; }

void CDialogPresenter::SetDlgItemText(int controlId, const std::string& text) {
  if (auto found = controls_.find(controlId); found != controls_.end()) found->second.text = text;
}

void CDialogPresenter::EnableControl(int controlId, bool enabled) {
  if (auto found = controls_.find(controlId); found != controls_.end()) found->second.enabled = enabled;
}

void CDialogPresenter::EndDialog(LONG_PTR result) {
  ended_ = true;
  result_ = result;
}
