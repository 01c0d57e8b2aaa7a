#include "tools/quorvelle/EditCommand.h"

#include <sstream>

#include "sim/SimHost.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/RegularFile.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/Steps.h"

namespace {

constexpr std::size_t kMaxChangesBytes = 16u << 20;

// Types one change "CELL=VALUE" (the cell optionally "Sheet!B3") into the workbook.
std::string Type(ExcelApplication& excel, const std::string& change) {
  const std::size_t equals = change.find('=');
  if (equals == std::string::npos || equals == 0) return "A change needs CELL=VALUE, not " + change;
  std::string cell = change.substr(0, equals);
  std::string sheet = sim::ActiveSheetName(excel);
  if (const std::size_t bang = cell.rfind('!'); bang != std::string::npos) {
    sheet = cell.substr(0, bang);
    cell = cell.substr(bang + 1);
    if (sheet.size() >= 2 && sheet.front() == '\'' && sheet.back() == '\'') sheet = sheet.substr(1, sheet.size() - 2);
  }
  if (std::string error = sim::TypeAsUser(excel, sheet, cell, change.substr(equals + 1)); !error.empty())
    return "Cannot type " + change + ": " + error;
  return "";
}

std::string ReadChanges(const std::string& script, std::vector<std::string>* changes) {
  std::string text, reason;
  if (!sim::ReadRegularFile(script, kMaxChangesBytes, &text, &reason))
    return "Cannot read the changes " + script + ": " + reason + ".";
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != '#') changes->push_back(line);
  }
  return "";
}

}  // namespace

std::string RunEdit(ModuleLoader& module, const EditRequest& request) {
  std::vector<std::string> changes = request.changes;
  if (!request.script.empty())
    if (std::string error = ReadChanges(request.script, &changes); !error.empty()) return error;
  StepRunner steps(module);
  if (std::string error = steps.Run("keyin QUORVELLE EDIT"); !error.empty()) return error;
  const ExcelApplicationPtr before = sim::LastStartedExcel();
  sim::SendDataPoint(request.point);
  sim::PumpMessages();
  const ExcelApplicationPtr excel = sim::LastStartedExcel();
  if (!excel || excel == before || sim::ExcelEnded(*excel)) {
    if (sim::RunningCommand() != "default") steps.Run("reset");
    return "No table was opened for editing at the point; see the messages above.";
  }
  for (const std::string& change : changes)
    if (std::string error = Type(*excel, change); !error.empty()) {
      steps.Run("keyin QUORVELLE CLEANUP");
      return error;
    }
  if (std::string error = sim::SendAsUser(*excel); !error.empty()) {
    steps.Run("keyin QUORVELLE CLEANUP");
    return error;
  }
  sim::PumpMessages();
  if (sim::RunningCommand() != "default") {
    steps.Run("keyin QUORVELLE CLEANUP");
    return "The edited range was not placed.";
  }
  return "";
}
