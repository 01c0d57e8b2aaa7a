// Modal dialogs and the common file and folder dialogs, shown to a script.
#include <algorithm>
#include <cstring>
#include <deque>
#include <map>

#include "platform/commdlg.h"
#include "platform/msgbox.h"
#include "platform/shellfolders.h"
#include "sim/SimDialogs.h"
#include "sim/SimOutput.h"
#include "sim/platform/ItemIdLists.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

std::deque<DialogScript>& Scripts() {
  static std::deque<DialogScript> scripts;
  return scripts;
}
std::map<std::string, DialogScript>& StandingScripts() {
  static std::map<std::string, DialogScript> scripts;
  return scripts;
}
std::deque<std::string>& FileChoices() {
  static std::deque<std::string> choices;
  return choices;
}
std::deque<std::string>& FolderChoices() {
  static std::deque<std::string> choices;
  return choices;
}

void Record(const std::string& title, const std::string& text) {
  OutputEvent event;
  event.kind = OutputKind::Dialog;
  event.title = title;
  event.text = text;
  RecordOutput(std::move(event));
}

bool Open(const IDialogPresenter& dialog) {
  LONG_PTR result = 0;
  return !dialog.Ended(&result);
}

// The label of a button as the person reads it, without its access key marker.
std::string ButtonName(const IDialogPresenter& dialog, int controlId) {
  std::string text = dialog.ControlText(controlId);
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  if (text.empty()) return controlId == IDCANCEL ? "Escape" : "button " + std::to_string(controlId);
  return "\"" + text + "\"";
}

std::string Take(std::deque<std::string>& queue) {
  if (queue.empty()) return "";
  std::string choice = queue.front();
  queue.pop_front();
  return choice;
}

BOOL ChooseFile(LPOPENFILENAMEA ofn, const char* what) {
  if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) return FALSE;
  const std::string choice = Take(FileChoices());
  Record(ofn->lpstrTitle ? ofn->lpstrTitle : what, choice.empty() ? "cancelled" : "chose " + choice);
  if (choice.empty() || choice.size() >= ofn->nMaxFile) return FALSE;
  std::memcpy(ofn->lpstrFile, choice.c_str(), choice.size() + 1);
  return TRUE;
}

}  // namespace

void PushDialogScript(DialogScript script) { Scripts().push_back(std::move(script)); }
void PushFileChoice(const std::string& windowsPath) { FileChoices().push_back(windowsPath); }
void PushFolderChoice(const std::string& windowsPath) { FolderChoices().push_back(windowsPath); }
void SetStandingDialogScript(const std::string& templateName, DialogScript script) {
  if (script)
    StandingScripts()[templateName] = std::move(script);
  else
    StandingScripts().erase(templateName);
}

void ClearDialogScripts() {
  Scripts().clear();
  StandingScripts().clear();
  FileChoices().clear();
  FolderChoices().clear();
}

bool TypeInto(IDialogPresenter& dialog, int controlId, const std::string& text) {
  if (!Open(dialog)) return false;
  Record(dialog.Caption(), "typed \"" + text + "\" into " + std::to_string(controlId));
  dialog.OnTyped(controlId, text);
  return true;
}

bool SelectRows(IDialogPresenter& dialog, int listId, const std::vector<int>& rows) {
  if (!Open(dialog)) return false;
  std::string said = "selected";
  for (int row : rows) said += " row " + std::to_string(row);
  Record(dialog.Caption(), rows.empty() ? "selected no row" : said);
  dialog.OnRowsSelected(listId, rows);
  return true;
}

bool Press(IDialogPresenter& dialog, int controlId) {
  if (!Open(dialog)) return false;
  // Escape works whatever the dialog shows; a button must be there and enabled.
  if (controlId != IDCANCEL && !dialog.ControlEnabled(controlId)) {
    Record(dialog.Caption(), "cannot press " + ButtonName(dialog, controlId) + ": it is not enabled");
    return false;
  }
  if (controlId != IDCANCEL && !dialog.ControlVisible(controlId)) {
    Record(dialog.Caption(), "cannot press " + ButtonName(dialog, controlId) + ": it is not shown");
    return false;
  }
  Record(dialog.Caption(), "pressed " + ButtonName(dialog, controlId));
  // A check box turns over when clicked, before the dialog hears of it.
  if (const int check = dialog.ControlCheck(controlId); check >= 0) dialog.OnChecked(controlId, check == 0);
  dialog.OnCommand(controlId);
  return true;
}

bool SetChecked(IDialogPresenter& dialog, int controlId, bool checked) {
  const int check = dialog.ControlCheck(controlId);
  if (check < 0) return false;
  return check == (checked ? 1 : 0) || Press(dialog, controlId);
}

bool EditCell(IDialogPresenter& dialog, int listId, int row, int column, const std::string& text, int key) {
  if (!Open(dialog)) return false;
  Record(dialog.Caption(), "double-clicked row " + std::to_string(row) + " column " + std::to_string(column));
  dialog.OnCellDoubleClicked(listId, row, column);
  if (!dialog.EditingCell(listId, nullptr, nullptr)) return false;
  const char* how = key == 13 ? "Enter" : key == 27 ? "Escape" : "moving away";
  Record(dialog.Caption(), "typed \"" + text + "\" in the cell and ended with " + how);
  dialog.OnCellEditEnded(listId, text, key);
  return true;
}

int FindRow(const IDialogPresenter& dialog, int listId, const std::vector<std::string>& cells) {
  const auto rows = dialog.ListRows(listId);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    bool same = rows[r].size() >= cells.size();
    for (std::size_t c = 0; same && c < cells.size(); ++c) same = EqualsIgnoringCase(rows[r][c], cells[c]);
    if (same) return static_cast<int>(r);
  }
  return -1;
}

}  // namespace sim

LONG_PTR DoModalDialog(HWND parent, IDialogPresenter& dialog) {
  dialog.OnInitDialog();
  sim::Record(dialog.Caption(), "shown");
  if (!sim::Scripts().empty()) {
    sim::DialogScript script = std::move(sim::Scripts().front());
    sim::Scripts().pop_front();
    script(dialog);
  } else if (auto standing = sim::StandingScripts().find(dialog.TemplateName());
             standing != sim::StandingScripts().end()) {
    const sim::DialogScript script = standing->second;  // it may set another while it runs
    script(dialog);
  }
  // Escape, as a person leaving the dialog does.
  if (sim::Open(dialog)) sim::Press(dialog, IDCANCEL);
  LONG_PTR result = IDCANCEL;
  dialog.Ended(&result);
  sim::Record(dialog.Caption(), "closed");
  return result;
}

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) { return sim::ChooseFile(ofn, "Open"); }
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) { return sim::ChooseFile(ofn, "Save As"); }

PIDLIST_ABSOLUTE SHBrowseForFolderA(BROWSEINFOA* lpbi) {
  if (!lpbi) return nullptr;
  const std::string choice = sim::Take(sim::FolderChoices());
  sim::Record(lpbi->lpszTitle ? lpbi->lpszTitle : "Browse For Folder", choice.empty() ? "cancelled" : "chose " + choice);
  if (choice.empty()) return nullptr;
  PIDLIST_ABSOLUTE list = sim::NewItemIdList(choice);
  if (list && lpbi->pszDisplayName) {
    const std::size_t slash = choice.find_last_of('\\', choice.size() > 1 ? choice.size() - 2 : 0);
    std::string name = choice.substr(slash == std::string::npos ? 0 : slash + 1);
    if (!name.empty() && name.back() == '\\') name.pop_back();
    std::strncpy(lpbi->pszDisplayName, name.c_str(), MAX_PATH - 1);
    lpbi->pszDisplayName[MAX_PATH - 1] = '\0';
  }
  return list;
}
