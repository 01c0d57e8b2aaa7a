// Modal dialogs. A dialog's presenter holds its state and rules; the window system
// shows it from its template and passes on what the person does (typing into an
// edit box, picking rows of a list, pressing a button) until the presenter ends it.
// The presenter answers what each control shows, so the view never keeps state of
// its own.
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes.h"

class IDialogPresenter {
 public:
  virtual ~IDialogPresenter() = default;

  // The dialog template and the title bar.
  virtual const char* TemplateName() const = 0;
  virtual std::string Caption() const = 0;
  // Once, before the dialog is shown.
  virtual void OnInitDialog() = 0;

  // What the person does. A button of id IDCANCEL also stands for the Escape key and
  // the close box.
  virtual void OnTyped(int controlId, const std::string& text) = 0;
  virtual void OnRowsSelected(int listId, const std::vector<int>& rows) = 0;
  virtual void OnCommand(int controlId) = 0;
  // A check box the person clicks takes its new state before its command comes.
  virtual void OnChecked(int controlId, bool checked) = 0;
  // In-place editing of a list's cells: a double click on a cell, and the end of the
  // edit box with Enter (13), Escape (27) or the focus moving away (0), with its text.
  virtual void OnCellDoubleClicked(int listId, int row, int column) = 0;
  virtual void OnCellEditEnded(int listId, const std::string& text, int key) = 0;

  // What the dialog shows.
  virtual std::vector<int> ControlIds() const = 0;  // the edit boxes and buttons
  virtual std::string ControlText(int controlId) const = 0;
  // The choices of a combo box (none for other controls).
  virtual std::vector<std::string> ControlItems(int controlId) const = 0;
  // 1 or 0 for a check box that is checked or not, -1 for other controls.
  virtual int ControlCheck(int controlId) const = 0;
  virtual bool ControlEnabled(int controlId) const = 0;
  // Hidden controls are neither seen nor pressed.
  virtual bool ControlVisible(int controlId) const = 0;
  virtual std::vector<int> ListIds() const = 0;
  virtual std::vector<std::string> ListColumns(int listId) const = 0;
  virtual std::vector<std::vector<std::string>> ListRows(int listId) const = 0;
  virtual std::vector<int> SelectedRows(int listId) const = 0;
  // The cell of the list being edited in place; false when none is.
  virtual bool EditingCell(int listId, int* row, int* column) const = 0;
  // True once the presenter has ended the dialog, with the result it gave.
  virtual bool Ended(LONG_PTR* result) const = 0;
};

// Shows the dialog modally over the parent window (NULL: the desktop) and returns
// the result the presenter ended it with.
LONG_PTR DoModalDialog(HWND parent, IDialogPresenter& dialog);
