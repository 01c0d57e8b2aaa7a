#include "tools/quorvelle/LinksCommand.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <nlohmann/json.hpp>

#include "host/msmodel.h"
#include "host/msscan.h"
#include "host/mssystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "sim/SimDialogs.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "sim/platform/TextCase.h"
#include "tools/quorvelle/DialogSteps.h"
#include "tools/quorvelle/PlacedTables.h"
#include "tools/quorvelle/Questions.h"

namespace {

// The link manager's controls, by the ids of its dialog template.
constexpr int kLinkList = 211;
constexpr int kWorkbookEdit = 201;
constexpr int kWorksheetEdit = 219;
constexpr int kSelectionEdit = 220;
constexpr int kOpenWorkbookButton = 232;
constexpr int kUpdateButton = 248;
constexpr int kBreakLinkButton = 2007;
constexpr int kOldFolderEdit = 233;
constexpr int kNewFolderEdit = 234;
constexpr int kReplaceButton = 237;

struct LinkKey {
  std::string path;
  std::string worksheet;
  std::string range;
  std::string Text() const { return path + "|" + worksheet + "|" + range; }
  bool Names(const PlacedTable& t) const {
    return sim::EqualsIgnoringCase(path, t.path) && sim::EqualsIgnoringCase(worksheet, t.worksheet) &&
           sim::EqualsIgnoringCase(range, t.range);
  }
};

// One link and the tables that use it, in the order of their first table.
struct ListedLink {
  LinkKey key;
  std::string saveTime;  // of its first table
  std::vector<PlacedTable> tables;
};

std::vector<ListedLink> Links() {
  std::vector<ListedLink> links;
  for (const PlacedTable& table : PlacedTables()) {
    if (table.path.empty()) continue;
    auto same = std::find_if(links.begin(), links.end(), [&](const ListedLink& l) { return l.key.Names(table); });
    if (same == links.end()) {
      links.push_back({{table.path, table.worksheet, table.range}, table.saveTime, {}});
      same = links.end() - 1;
    }
    same->tables.push_back(table);
  }
  return links;
}

bool HasDrive(const std::string& p) { return p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':'; }

// The file the host would open for a stored path: relative paths from the design
// file's folder, a bare file name there or in the reference folders (MS_RFDIR).
std::string Resolve(const std::string& stored) {
  if (stored.empty() || HasDrive(stored) || stored.rfind("\\\\", 0) == 0 || stored.find('*') != std::string::npos ||
      stored.find("://") != std::string::npos)
    return stored;
  const std::string design = sim::DesignFilePath().empty() ? "" : sim::ToWindowsPath(sim::DesignFilePath());
  const std::string folder = design.substr(0, design.find_last_of('\\') + 1);
  auto combine = [](const std::string& base, const std::string& file) {
    char combined[MAX_PATH];
    return PathCombineA(combined, base.c_str(), file.c_str()) ? std::string(combined) : std::string();
  };
  if (stored.find_first_of("\\/") == std::string::npos) {
    std::vector<std::string> folders;
    if (!folder.empty()) folders.push_back(folder);
    char list[4096] = {};
    if (mdlSystem_expandCfgVar(list, sizeof list, "$(MS_RFDIR)") == SUCCESS) {
      std::string rest = list;
      for (std::size_t start = 0; start <= rest.size();) {
        std::size_t end = std::min(rest.find(';', start), rest.size());
        if (end > start) folders.push_back(rest.substr(start, end - start));
        start = end + 1;
      }
    }
    for (const std::string& f : folders)
      if (std::string candidate = combine(f, stored); !candidate.empty() && PathFileExistsA(candidate.c_str()))
        return candidate;
    return stored;
  }
  if (stored[0] == '.' && !folder.empty()) {
    std::string combined = combine(folder, stored);
    return combined.empty() ? stored : combined;
  }
  if ((stored[0] == '\\' || stored[0] == '/') && HasDrive(design)) return design.substr(0, 2) + stored;
  return stored;
}

// Whether the file was written after the stored save time ("M/D/YYYY H:MM:SS", local).
bool SavedAfter(const std::string& windowsPath, const std::string& saveTime) {
  std::tm stored{};
  if (std::sscanf(saveTime.c_str(), "%d/%d/%d %d:%d:%d", &stored.tm_mon, &stored.tm_mday, &stored.tm_year,
                  &stored.tm_hour, &stored.tm_min, &stored.tm_sec) != 6)
    return true;  // no time to compare with: any workbook is newer
  stored.tm_mon -= 1;
  stored.tm_year -= 1900;
  stored.tm_isdst = -1;
  struct stat file {};
  if (::stat(sim::ToLinuxPath(windowsPath).c_str(), &file) != 0) return false;
  return file.st_mtime > std::mktime(&stored);
}

std::string TableIds(const std::vector<PlacedTable>& tables) {
  std::string ids;
  for (const PlacedTable& t : tables) ids += (ids.empty() ? "" : ", ") + std::to_string(t.id) + (t.legacy ? " (legacy link record)" : "");
  return ids;
}

// A link named by its number in the list or by PATH|SHEET|RANGE.
bool ParseKey(const std::string& text, LinkKey* key, std::string* error) {
  if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) {
    const std::vector<ListedLink> links = Links();
    const unsigned long n = std::strtoul(text.c_str(), nullptr, 10);
    if (n == 0 || n > links.size()) {
      *error = "The design file has no link " + text + " (it lists " + std::to_string(links.size()) + ").";
      return false;
    }
    *key = links[n - 1].key;
    return true;
  }
  const std::size_t first = text.find('|');
  const std::size_t last = text.rfind('|');
  if (first == std::string::npos || first == last || first == 0) {
    *error = "A link is its number in the list or PATH|SHEET|RANGE, not " + text + ".";
    return false;
  }
  *key = {text.substr(0, first), text.substr(first + 1, last - first - 1), text.substr(last + 1)};
  return true;
}

// The cells of the dialog's row for a link: file, worksheet, range, folder.
std::vector<std::string> RowCells(const LinkKey& key) {
  std::size_t split = key.path.find_last_of("\\/");
  if (split == std::string::npos && HasDrive(key.path)) split = 1;
  const std::size_t fileStart = split == std::string::npos ? 0 : split + 1;
  return {key.path.substr(fileStart), key.worksheet, key.range, key.path.substr(0, fileStart)};
}

// Selects the link's row; false when the dialog does not list it.
bool SelectLink(IDialogPresenter& dialog, const LinkKey& key) {
  const int row = sim::FindRow(dialog, kLinkList, RowCells(key));
  return row >= 0 && sim::SelectRows(dialog, kLinkList, {row});
}

std::string NotListed(const LinkKey& key) { return "The link manager does not list the link " + key.Text() + "."; }

std::vector<std::string> BoxesSince(std::size_t logStart) {
  std::vector<std::string> texts;
  const auto& log = sim::OutputLog();
  for (std::size_t i = logStart; i < log.size(); ++i)
    if (log[i].kind == sim::OutputKind::WindowsMessageBox || log[i].kind == sim::OutputKind::HostMessageBox)
      texts.push_back(log[i].text);
  return texts;
}

// Runs the link manager on every table with the script at its dialog.
std::string RunManager(ModuleLoader& module, const sim::DialogScript& script) {
  const std::vector<PlacedTable> tables = PlacedTables();
  if (tables.empty()) return "The design file has no tables.";
  mdlSelect_freeAll();
  for (const PlacedTable& t : tables) mdlSelect_addElement(t.filePos, mdlModelRef_getActive(), 0);
  return RunKeyinAtDialog(module, "QUORVELLE LINKS", "The link manager", script);
}

std::string Update(ModuleLoader& module, const LinkKey& from, const LinkKey& to) {
  const std::size_t logStart = sim::OutputLog().size();
  std::vector<unsigned long long> ids;
  for (const PlacedTable& t : PlacedTables())
    if (from.Names(t)) ids.push_back(t.id);
  if (ids.empty()) return "No table uses the link " + from.Text() + ".";
  bool listed = false;
  std::string error = RunManager(module, [&](IDialogPresenter& d) {
    if (!(listed = SelectLink(d, from))) return;
    sim::TypeInto(d, kWorkbookEdit, to.path);
    sim::TypeInto(d, kWorksheetEdit, to.worksheet);
    sim::TypeInto(d, kSelectionEdit, to.range);
    sim::Press(d, kUpdateButton);
  });
  if (!error.empty()) return error;
  if (!listed) return NotListed(from);
  for (const PlacedTable& t : PlacedTables())
    if (std::find(ids.begin(), ids.end(), t.id) != ids.end() && !to.Names(t)) {
      const auto boxes = BoxesSince(logStart);
      return "The table " + std::to_string(t.id) + " was not re-pointed" + (boxes.empty() ? "." : ": " + boxes.back());
    }
  std::cout << "Re-pointed " << ids.size() << " table(s) from " << from.Text() << " to " << to.Text() << ".\n";
  return "";
}

std::string Break(ModuleLoader& module, const LinkKey& key, const QuestionAnswers& answers) {
  std::vector<unsigned long long> ids;
  for (const PlacedTable& t : PlacedTables())
    if (key.Names(t)) ids.push_back(t.id);
  if (ids.empty()) return "No table uses the link " + key.Text() + ".";
  bool listed = false;
  std::string error = RunManager(module, [&](IDialogPresenter& d) {
    if (!(listed = SelectLink(d, key))) return;
    sim::Press(d, kBreakLinkButton);
  });
  if (!error.empty()) return error;
  if (!listed) return NotListed(key);
  if (!answers.declined().empty()) return "Break Link was not confirmed (answer Yes, or give --yes).";
  std::vector<PlacedTable> kept;
  for (const PlacedTable& t : PlacedTables())
    if (std::find(ids.begin(), ids.end(), t.id) != ids.end() && key.Names(t)) kept.push_back(t);
  if (!kept.empty())
    return "The link manager leaves the legacy link record of the tables " + TableIds(kept) +
           ": they keep the link " + key.Text() + ".";
  std::cout << "Broke the link " << key.Text() << " of " << ids.size() << " table(s).\n";
  return "";
}

std::string Open(ModuleLoader& module, const LinkKey& key) {
  const ExcelApplicationPtr before = sim::LastStartedExcel();
  bool listed = false;
  std::string error = RunManager(module, [&](IDialogPresenter& d) {
    // Selecting the row shows its link in the edit boxes, which the button opens.
    if (!(listed = SelectLink(d, key))) return;
    sim::Press(d, kOpenWorkbookButton);
  });
  if (!error.empty()) return error;
  if (!listed) return NotListed(key);
  const ExcelApplicationPtr excel = sim::LastStartedExcel();
  const sim::ExcelSelection selection = excel && excel != before ? sim::SelectionOf(*excel) : sim::ExcelSelection{};
  if (selection.workbook.empty()) return "The workbook " + Resolve(key.path) + " was not found; Excel was not opened.";
  std::cout << "Opened " << selection.workbook << " in Excel at " << selection.sheet << "!" << selection.address
            << ".\n";
  return "";
}

std::string ReplaceFolder(ModuleLoader& module, const std::string& oldFolder, const std::string& newFolder,
                          const QuestionAnswers& answers) {
  const std::size_t logStart = sim::OutputLog().size();
  std::string error = RunManager(module, [&](IDialogPresenter& d) {
    sim::TypeInto(d, kOldFolderEdit, oldFolder);
    sim::TypeInto(d, kNewFolderEdit, newFolder);
    sim::Press(d, kReplaceButton);
  });
  if (!error.empty()) return error;
  const std::vector<std::string> boxes = BoxesSince(logStart);
  for (const std::string& text : boxes)
    if (text.rfind("Succeed to replace", 0) == 0) return "";
  if (!answers.declined().empty()) return "The replacement was not confirmed (answer Yes, or give --yes).";
  return "The links were not moved" + (boxes.empty() ? std::string(".") : ": " + boxes.back());
}

}  // namespace

bool IsLinkListing(const LinksRequest& request) { return request.words.empty() || request.words[0] == "list"; }

std::string ListLinks(const LinksRequest& request) {
  if (request.words.size() > 1) return "links list takes no more words.";
  nlohmann::json list = nlohmann::json::array();
  int number = 0;
  for (const ListedLink& link : Links()) {
    const std::string resolved = Resolve(link.key.path);
    const bool exists = PathFileExistsA(resolved.c_str()) != FALSE;
    const bool newer = exists && SavedAfter(resolved, link.saveTime);
    nlohmann::json tables = nlohmann::json::array();
    for (const PlacedTable& t : link.tables) tables.push_back({{"id", t.id}, {"legacyRecord", t.legacy}});
    list.push_back({{"number", ++number}, {"path", link.key.path}, {"resolved", resolved},
                    {"worksheet", link.key.worksheet}, {"range", link.key.range}, {"saveTime", link.saveTime},
                    {"exists", exists}, {"newer", newer}, {"tables", tables}});
    if (request.json) continue;
    std::cout << number << ". " << link.key.path << "  " << link.key.worksheet << "  " << link.key.range << "\n"
              << "   workbook  " << resolved
              << (link.key.path.find('*') != std::string::npos ? " (a ProjectWise document)"
                  : link.key.path.find("://") != std::string::npos ? " (a web address)"
                  : exists ? (newer ? " (saved after the table was drawn)" : " (found)")
                           : " (not found)")
              << "\n"
              << "   stored    " << (link.saveTime.empty() ? "(no save time)" : link.saveTime) << "\n"
              << "   tables    " << TableIds(link.tables) << "\n";
  }
  if (request.json) {
    std::cout << list.dump(2) << "\n";
  } else if (number == 0) {
    std::cout << "No table of the design file is linked.\n";
  }
  return "";
}

std::string RunLinkChange(ModuleLoader& module, const LinksRequest& request) {
  const std::vector<std::string>& w = request.words;
  const std::string verb = w.empty() ? "" : w[0];
  auto needs = [&](std::size_t n, const char* usage) {
    return w.size() == n + 1 ? std::string() : std::string("links ") + verb + " needs " + usage + ".";
  };
  QuestionAnswers answers(request.yes);
  LinkKey key, to;
  std::string error;
  if (verb == "update") {
    if (error = needs(2, "OLDKEY NEWKEY"); !error.empty()) return error;
    if (!ParseKey(w[1], &key, &error) || !ParseKey(w[2], &to, &error)) return error;
    return Update(module, key, to);
  }
  if (verb == "break" || verb == "open") {
    if (error = needs(1, "KEY"); !error.empty()) return error;
    if (!ParseKey(w[1], &key, &error)) return error;
    return verb == "break" ? Break(module, key, answers) : Open(module, key);
  }
  if (verb == "replace-folder") {
    if (error = needs(2, "OLD NEW (folders)"); !error.empty()) return error;
    return ReplaceFolder(module, w[1], w[2], answers);
  }
  return "links takes list, update, break, open or replace-folder, not " + verb + ".";
}
