// The common part of the module's dialogs: the texts and enabled state of their
// controls, their lists, and the end of the dialog. A dialog derives from it, declares
// its controls, and handles its buttons and the selection of its lists.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/dialogview.h"
#include "ui/EditableListCtrl.h"
#include "ui/ListModel.h"

class CDialogPresenter : public IDialogPresenter {
 public:
  CDialogPresenter(const char* templateName, std::string caption, HWND parent)
      : templateName_(templateName), caption_(std::move(caption)), parent_(parent) {}
  // Its lists call back into it.
  CDialogPresenter(const CDialogPresenter&) = delete;
  CDialogPresenter& operator=(const CDialogPresenter&) = delete;

  // Shows the dialog and returns the result it was ended with.
  LONG_PTR DoModal() { return DoModalDialog(parent_, *this); }

  const char* TemplateName() const override { return templateName_; }
  std::string Caption() const override { return caption_; }
  // Typing into a control that is not there or is disabled changes nothing.
  void OnTyped(int controlId, const std::string& text) override;
  void OnRowsSelected(int listId, const std::vector<int>& rows) override;
  // OK and Cancel end the dialog with their own id.
  void OnCommand(int controlId) override;
  void OnChecked(int controlId, bool checked) override;
  void OnCellDoubleClicked(int listId, int row, int column) override;
  void OnCellEditEnded(int listId, const std::string& text, int key) override;

  std::vector<int> ControlIds() const override { return order_; }
  std::string ControlText(int controlId) const override;
  std::vector<std::string> ControlItems(int controlId) const override;
  int ControlCheck(int controlId) const override;
  bool ControlEnabled(int controlId) const override;
  bool ControlVisible(int controlId) const override;
  std::vector<int> ListIds() const override;
  std::vector<std::string> ListColumns(int listId) const override;
  std::vector<std::vector<std::string>> ListRows(int listId) const override;
  std::vector<int> SelectedRows(int listId) const override;
  bool EditingCell(int listId, int* row, int* column) const override;
  bool Ended(LONG_PTR* result) const override;

 protected:
  // A control with its initial text: an edit box's content or a button's label.
  void AddControl(int controlId, const std::string& text = "");
  void AddCheckBox(int controlId, const std::string& label, bool checked = false);
  bool IsDlgButtonChecked(int controlId) const { return ControlCheck(controlId) == 1; }
  void CheckDlgButton(int controlId, bool checked);
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // A drop-down list: its text is one of its choices, which it keeps sorted. An
  // editable combo box takes any text; an unsorted one keeps its choices in order.
  void AddDropDownList(int controlId, bool sorted = true);
  void AddComboBox(int controlId, bool sorted = true);
  void ResetContent(int controlId);
  void AddString(int controlId, const std::string& choice);
  CListModel& AddList(int listId);
  // A list whose cells are edited in place; its messages come to OnListNotify.
  CEditableListCtrl& AddEditableList(int listId);
  // Declared lists only.
  CListModel& List(int listId) { return *lists_.at(listId); }
  const CListModel& List(int listId) const { return *lists_.at(listId); }

  std::string GetDlgItemText(int controlId) const { return ControlText(controlId); }
  void SetDlgItemText(int controlId, const std::string& text);
  void EnableControl(int controlId, bool enabled);
  void ShowControl(int controlId, bool visible);
  void EndDialog(LONG_PTR result);
  HWND Parent() const { return parent_; }

  // After the person changed the selection of a list.
  virtual void OnSelectionChanged(int listId) {}
  // The in-place editing messages of an editable list (kMsgCellEdit...).
  virtual void OnListNotify(int listId, UINT message, int row, int column) {}

 private:
  struct Control {
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool dropDownList = false;
    bool sorted = true;
    int check = -1;                  // a check box's state; -1 for other controls
    std::vector<std::string> items;  // a combo box's choices
  };
  CEditableListCtrl* EditableList(int listId) const;
  const char* templateName_;
  std::string caption_;
  HWND parent_;
  std::vector<int> order_;
  std::map<int, Control> controls_;
  std::map<int, std::unique_ptr<CListModel>> lists_;
  std::set<int> disabledLists_;
  bool ended_ = false;
  LONG_PTR result_ = 0;
};
