#include "ui/ListModel.h"

#include <algorithm>

namespace {

int Clamp(int index, std::size_t size) {
  return index < 0 || static_cast<std::size_t>(index) > size ? static_cast<int>(size) : index;
}

}  // namespace

int CListModel::InsertColumn(int index, const std::string& heading, int width) {
  const int at = Clamp(index, columns_.size());
  columns_.insert(columns_.begin() + at, Column{heading, width});
  for (auto& row : rows_) row.insert(row.begin() + at, std::string());
  return at;
}

int CListModel::InsertItem(int index, std::vector<std::string> texts) {
  const int at = Clamp(index, rows_.size());
  texts.resize(std::max(columns_.size(), std::size_t{1}));
  rows_.insert(rows_.begin() + at, std::move(texts));
  for (int& row : selection_)
    if (row >= at) ++row;
  return at;
}

bool CListModel::DeleteItem(int row) {
  if (row < 0 || row >= GetItemCount()) return false;
  rows_.erase(rows_.begin() + row);
  std::erase(selection_, row);
  for (int& selected : selection_)
    if (selected > row) --selected;
  return true;
}

void CListModel::DeleteAllItems() {
  rows_.clear();
  selection_.clear();
}

std::string CListModel::GetItemText(int row, int column) const {
  if (row < 0 || row >= GetItemCount() || column < 0 || static_cast<std::size_t>(column) >= rows_[row].size())
    return "";
  return rows_[row][column];
}

bool CListModel::SetItemText(int row, int column, const std::string& text) {
  if (row < 0 || row >= GetItemCount() || column < 0 || static_cast<std::size_t>(column) >= rows_[row].size())
    return false;
  rows_[row][column] = text;
  return true;
}

void CListModel::SetSelection(const std::vector<int>& rows) {
  selection_.clear();
  for (int row : rows)
    if (row >= 0 && row < GetItemCount()) selection_.push_back(row);
  std::sort(selection_.begin(), selection_.end());
  selection_.erase(std::unique(selection_.begin(), selection_.end()), selection_.end());
}

int CListModel::GetFirstSelected() const { return selection_.empty() ? -1 : selection_.front(); }
