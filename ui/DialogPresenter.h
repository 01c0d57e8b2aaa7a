// The common part of the module's dialogs: the texts and enabled state of their
// controls, their lists, and the end of the dialog. A dialog derives from it, declares
// its controls, and handles its buttons and the selection of its lists.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/dialogview.h"
#include "ui/ListModel.h"

class CDialogPresenter : public IDialogPresenter {
 public:
  CDialogPresenter(const char* templateName, std::string caption, HWND parent)
      : templateName_(templateName), caption_(std::move(caption)), parent_(parent) {}

  // Shows the dialog and returns the result it was ended with.
  LONG_PTR DoModal() { return DoModalDialog(parent_, *this); }

  const char* TemplateName() const override { return templateName_; }
  std::string Caption() const override { return caption_; }
  // Typing into a control that is not there or is disabled changes nothing.
  void OnTyped(int controlId, const std::string& text) override;
  void OnRowsSelected(int listId, const std::vector<int>& rows) override;
  // OK and Cancel end the dialog with their own id.
  void OnCommand(int controlId) override;

  std::vector<int> ControlIds() const override { return order_; }
  std::string ControlText(int controlId) const override;
  bool ControlEnabled(int controlId) const override;
  std::vector<int> ListIds() const override;
  std::vector<std::string> ListColumns(int listId) const override;
  std::vector<std::vector<std::string>> ListRows(int listId) const override;
  std::vector<int> SelectedRows(int listId) const override;
  bool Ended(LONG_PTR* result) const override;

 protected:
  // A control with its initial text: an edit box's content or a button's label.
  void AddControl(int controlId, const std::string& text = "");
  CListModel& AddList(int listId);
  CListModel& List(int listId) { return lists_[listId]; }

  std::string GetDlgItemText(int controlId) const { return ControlText(controlId); }
  void SetDlgItemText(int controlId, const std::string& text);
  void EnableControl(int controlId, bool enabled);
  void EndDialog(LONG_PTR result);
  HWND Parent() const { return parent_; }

  // After the person changed the selection of a list.
  virtual void OnSelectionChanged(int listId) {}

 private:
  struct Control {
    std::string text;
    bool enabled = true;
  };
  const char* templateName_;
  std::string caption_;
  HWND parent_;
  std::vector<int> order_;
  std::map<int, Control> controls_;
  std::map<int, CListModel> lists_;
  bool ended_ = false;
  LONG_PTR result_ = 0;
};
