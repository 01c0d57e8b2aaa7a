#include "tools/quorvelle/UpdateCommand.h"

#include <algorithm>
#include <iostream>
#include <set>

#include "host/msmodel.h"
#include "host/msscan.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/PlacedTables.h"
#include "tools/quorvelle/Steps.h"

namespace {

constexpr char kUpToDateMessage[] = "This Quorvelle object is up to date.";

// The placed tables of the active model: element identifier and file position.
std::vector<std::pair<unsigned long long, ULong>> Tables() {
  std::vector<std::pair<unsigned long long, ULong>> tables;
  for (const PlacedTable& table : PlacedTables()) tables.emplace_back(table.id, table.filePos);
  return tables;
}

std::set<unsigned long long> TableIds() {
  std::set<unsigned long long> ids;
  for (const auto& [id, filePos] : Tables()) ids.insert(id);
  return ids;
}

std::size_t UpToDateSince(std::size_t logStart) {
  const auto& log = sim::OutputLog();
  return static_cast<std::size_t>(std::count_if(log.begin() + static_cast<std::ptrdiff_t>(logStart), log.end(),
                                                [](const sim::OutputEvent& e) {
                                                  return e.text.rfind(kUpToDateMessage, 0) == 0;
                                                }));
}

// Selects the tables and runs the key-in on them.
std::string UpdateTables(ModuleLoader& module, const std::vector<ULong>& filePositions, const char* keyin) {
  mdlSelect_freeAll();
  for (ULong filePos : filePositions) mdlSelect_addElement(filePos, mdlModelRef_getActive(), 0);
  StepRunner steps(module);
  return steps.Run(keyin);
}

// Says which tables were redrawn; an error when some asked for were neither redrawn
// nor up to date.
std::string Outcome(const std::set<unsigned long long>& asked, std::size_t logStart) {
  const std::set<unsigned long long> after = TableIds();
  std::size_t kept = 0;
  for (unsigned long long id : asked) {
    if (after.count(id)) {
      ++kept;
    } else {
      std::cout << "Updated the table " << id << ".\n";
    }
  }
  const std::size_t upToDate = UpToDateSince(logStart);
  if (kept > upToDate)
    return std::to_string(kept - upToDate) + " of " + std::to_string(asked.size()) +
           " tables could not be updated; see the messages above.";
  return "";
}

}  // namespace

std::string RunUpdate(ModuleLoader& module, const UpdateRequest& request) {
  const auto tables = Tables();
  const std::size_t logStart = sim::OutputLog().size();
  std::set<unsigned long long> asked;
  std::vector<ULong> positions;
  switch (request.which) {
    case UpdateRequest::Which::Picked: {
      const std::set<unsigned long long> before = TableIds();
      StepRunner steps(module);
      if (std::string error = steps.Run("keyin QUORVELLE UPDATE"); !error.empty()) return error;
      sim::SendDataPoint(request.point);
      sim::PumpMessages();
      if (sim::RunningCommand() != "default") steps.Run("reset");
      if (TableIds() == before && UpToDateSince(logStart) == 0) return "No table was updated at the point.";
      return "";
    }
    case UpdateRequest::Which::Selected:
      for (unsigned long long id : request.ids) {
        auto found = std::find_if(tables.begin(), tables.end(), [id](const auto& t) { return t.first == id; });
        if (found == tables.end()) return "The design file has no table with the element identifier " + std::to_string(id) + ".";
        asked.insert(id);
        positions.push_back(found->second);
      }
      break;
    case UpdateRequest::Which::All:
    case UpdateRequest::Which::OutOfDate:
      for (const auto& [id, filePos] : tables) {
        asked.insert(id);
        positions.push_back(filePos);
      }
      if (tables.empty()) {
        std::cout << "The design file has no tables to update.\n";
        return "";
      }
      break;
  }
  const char* keyin = request.which == UpdateRequest::Which::All ? "keyin QUORVELLE UPDATE ALL"
                                                                 : "keyin QUORVELLE UPDATE SELECTED";
  if (request.which == UpdateRequest::Which::All) {
    StepRunner steps(module);
    if (std::string error = steps.Run(keyin); !error.empty()) return error;
  } else if (std::string error = UpdateTables(module, positions, keyin); !error.empty()) {
    return error;
  }
  sim::PumpMessages();
  return Outcome(asked, logStart);
}

std::string RunAutoUpdate(ModuleLoader& module) {
  const MdlCommandEntry* state = module.Find("QUORVELLE AUTOUPDATE STATE", nullptr);
  if (!state || !state->function || reinterpret_cast<int (*)()>(state->function)() == 0) return "";
  if (Tables().empty()) return "";
  std::cout << "Updating the tables that are out of date (AutoUpdateAll is on).\n";
  return RunUpdate(module, UpdateRequest{});
}

std::string RunReplaceLink(ModuleLoader& module, const std::string& text) {
  const std::size_t logStart = sim::OutputLog().size();
  StepRunner steps(module);
  if (std::string error = steps.Run("keyin QUORVELLE REPLACELINK " + text); !error.empty()) return error;
  const auto& log = sim::OutputLog();
  for (std::size_t i = logStart; i < log.size(); ++i) {
    const std::string& said = log[i].text;
    if (log[i].kind == sim::OutputKind::Message &&
        (said.rfind("Failed to change", 0) == 0 || said == "Invalid path." || said.rfind("The path is", 0) == 0))
      return "the links were not replaced: " + said;
  }
  return "";
}
