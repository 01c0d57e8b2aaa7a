// The person at the module's dialogs: scripts for modal dialogs, and the files and
// folders chosen in the common dialogs, taken in the order they are queued. A dialog
// with no script waiting is closed at once (its Cancel); a file or folder dialog with
// no choice waiting is cancelled. What is done is recorded in the output log as
// dialog events.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialogview.h"

namespace sim {

// Runs while the dialog is shown, after its start; the dialog is cancelled when the
// script leaves it open.
using DialogScript = std::function<void(IDialogPresenter& dialog)>;
void PushDialogScript(DialogScript script);

// The script for every dialog of that template that no queued script is waiting for
// (a person who always answers it the same way); an empty one removes it.
void SetStandingDialogScript(const std::string& templateName, DialogScript script);

// Windows paths; "" cancels.
void PushFileChoice(const std::string& windowsPath);
void PushFolderChoice(const std::string& windowsPath);

void ClearDialogScripts();

// The person's actions in a shown dialog, recorded as they happen. A dialog that has
// ended takes no more: they return false then.
bool TypeInto(IDialogPresenter& dialog, int controlId, const std::string& text);
bool SelectRows(IDialogPresenter& dialog, int listId, const std::vector<int>& rows);
bool Press(IDialogPresenter& dialog, int controlId);
// Clicks the check box when it is not in the state wanted.
bool SetChecked(IDialogPresenter& dialog, int controlId, bool checked);
// Edits a cell of a list in place: a double click on it, then the text typed into the
// edit box and the key that ends it (Enter 13, Escape 27, or 0: the focus moves away).
bool EditCell(IDialogPresenter& dialog, int listId, int row, int column, const std::string& text, int key);
// The first row of the list whose cells read these texts, letter case aside; -1 when
// none does.
int FindRow(const IDialogPresenter& dialog, int listId, const std::vector<std::string>& cells);

}  // namespace sim
