#include "tools/quorvelle/ImportCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "sim/SimDialogs.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/TextCase.h"
#include "tools/quorvelle/CreateCommand.h"
#include "tools/quorvelle/DialogSteps.h"
#include "tools/quorvelle/Questions.h"
#include "tools/quorvelle/Steps.h"

namespace {

// The dialog's controls, by the ids of its template.
constexpr int kWorkbookEdit = 2008;
constexpr int kBrowseButton = 202;
constexpr int kWorksheetList = 2011;
constexpr int kRangeEdit = 2012;
constexpr int kAddButton = 257;
constexpr int kRemoveButton = 258;
constexpr int kSaveListButton = 2015;
constexpr int kLoadListButton = 2016;
constexpr int kItems = 2017;
constexpr int kImportButton = 1;

using Rows = std::vector<std::vector<std::string>>;

// Opens the dialog with the script at it; the rows it showed when the script ended.
std::string RunDialog(ModuleLoader& module, const sim::DialogScript& script, Rows* rows) {
  return RunKeyinAtDialog(module, "QUORVELLE IMPORT", "The dialog Import Multiple Ranges", [&](IDialogPresenter& dialog) {
    script(dialog);
    if (rows) *rows = dialog.ListRows(kItems);
  });
}

std::string List(ModuleLoader& module, bool json) {
  Rows rows;
  if (std::string error = RunDialog(module, [](IDialogPresenter&) {}, &rows); !error.empty()) return error;
  if (json) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& row : rows) list.push_back({{"workbook", row[0]}, {"worksheet", row[1]}, {"range", row[2]}});
    std::cout << list.dump(2) << "\n";
    return "";
  }
  if (rows.empty()) std::cout << "The import list is empty.\n";
  for (std::size_t i = 0; i < rows.size(); ++i)
    std::cout << i + 1 << ". " << rows[i][0] << "  " << rows[i][1] << (rows[i][2].empty() ? "" : "  " + rows[i][2])
              << "\n";
  return "";
}

std::string Add(ModuleLoader& module, const std::vector<std::string>& w) {
  if (w.size() != 3 && w.size() != 4) return "importlist add needs BOOK SHEET [RANGE].";
  const std::size_t logStart = sim::OutputLog().size();
  const std::string book = WindowsPath(w[1]);
  bool added = false, sheetOffered = false;
  std::string offered;
  sim::PushFileChoice(book);
  std::string error = RunDialog(
      module,
      [&](IDialogPresenter& d) {
        const std::size_t before = d.ListRows(kItems).size();
        sim::Press(d, kBrowseButton);
        // The person picks the sheet among the ones the list offers.
        std::string picked = w[2];
        for (const std::string& sheet : d.ControlItems(kWorksheetList)) {
          offered += (offered.empty() ? "" : ", ") + sheet;
          if (sim::EqualsIgnoringCase(sheet, w[2])) {
            picked = sheet;
            sheetOffered = true;
          }
        }
        sim::TypeInto(d, kWorksheetList, picked);
        sim::TypeInto(d, kRangeEdit, w.size() == 4 ? w[3] : "");
        sim::Press(d, kAddButton);
        added = d.ListRows(kItems).size() > before;
      },
      nullptr);
  if (!error.empty()) return error;
  if (added) return "";
  if (!sheetOffered)
    return "The workbook has no visible sheet " + w[2] + (offered.empty() ? "." : " (it has " + offered + ").");
  const std::string said = LastBoxSince(logStart);
  return "The item was not added" + (said.empty() ? std::string(".") : ": " + said);
}

std::string Remove(ModuleLoader& module, const std::vector<std::string>& w, bool yes) {
  if (w.size() != 2 || w[1].find_first_not_of("0123456789") != std::string::npos || w[1].empty())
    return "importlist remove needs the item's number in the list.";
  const int number = std::stoi(w[1]);
  bool removed = false, found = true;
  QuestionAnswers answers(yes);
  std::string error = RunDialog(
      module,
      [&](IDialogPresenter& d) {
        const std::size_t before = d.ListRows(kItems).size();
        if (number < 1 || static_cast<std::size_t>(number) > before) return void(found = false);
        sim::SelectRows(d, kItems, {number - 1});
        sim::Press(d, kRemoveButton);
        removed = d.ListRows(kItems).size() < before;
      },
      nullptr);
  if (!error.empty()) return error;
  if (!found) return "The import list has no item " + w[1] + ".";
  return removed ? "" : "The item was not removed (answer Yes, or give --yes).";
}

std::string SaveOrLoad(ModuleLoader& module, const std::vector<std::string>& w) {
  if (w.size() != 2) return "importlist " + w[0] + " needs FILE.";
  const std::size_t logStart = sim::OutputLog().size();
  sim::PushFileChoice(WindowsPath(w[1]));
  std::string error = RunDialog(
      module, [&](IDialogPresenter& d) { sim::Press(d, w[0] == "save" ? kSaveListButton : kLoadListButton); },
      nullptr);
  if (!error.empty()) return error;
  const std::string said = LastBoxSince(logStart);
  // Loading says so of lines it leaves out, which is no failure of the load.
  if (!said.empty() && said.find("were left out") == std::string::npos && said.find("the rest were") == std::string::npos)
    return "The list was not " + std::string(w[0] == "save" ? "saved: " : "loaded: ") + said;
  return "";
}

}  // namespace

std::string RunImport(ModuleLoader& module, const ImportRequest& request) {
  std::size_t items = 0;
  sim::PushFileChoice(WindowsPath(request.listFile));
  std::string error = RunDialog(
      module,
      [&](IDialogPresenter& d) {
        sim::Press(d, kLoadListButton);
        items = d.ListRows(kItems).size();
        if (items > 0) sim::Press(d, kImportButton);
      },
      nullptr);
  if (!error.empty()) return error;
  if (items == 0) return "The list file " + request.listFile + " holds no item.";
  sim::PumpMessages();
  if (sim::RunningCommand() == "default") return "No range of the list was imported; see the messages above.";
  StepRunner steps(module);
  return PlaceTablesAt(steps, request.points);
}

std::string RunImportList(ModuleLoader& module, const ImportRequest& request) {
  const std::vector<std::string>& w = request.words;
  const std::string verb = w.empty() ? "list" : w[0];
  if (verb == "list") return List(module, request.json);
  if (verb == "add") return Add(module, w);
  if (verb == "remove") return Remove(module, w, request.yes);
  if (verb == "save" || verb == "load") return SaveOrLoad(module, w);
  return "importlist takes list, add, remove, save or load, not " + verb + ".";
}
