#include "tools/quorvelle/CreateCommand.h"

#include <filesystem>
#include <iostream>

#include "sim/SimHost.h"
#include "sim/addin/Transcript.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/Steps.h"

std::string WindowsPath(const std::string& path) {
  if (path.empty() || (path.size() > 1 && path[1] == ':') || path.find('\\') != std::string::npos) return path;
  return sim::ToWindowsPath(std::filesystem::absolute(path).lexically_normal().string());
}

namespace {

// The Excel user opens the workbook, selects the range and asks the add-in to send
// it, or the recorded transfer is replayed; empty once the add-in has sent it.
std::string SendRange(ExcelApplication& excel, const CreateRequest& request) {
  if (!request.workbook.empty())
    if (std::string error = sim::OpenAsUser(excel, WindowsPath(request.workbook)); !error.empty()) return error;
  if (!request.transcript.empty()) return sim::ReplayTranscriptFile(request.transcript);
  std::string sheet = request.sheet.empty() ? sim::ActiveSheetName(excel) : request.sheet;
  if (std::string error = sim::SelectAsUser(excel, sheet, request.range); !error.empty())
    return "Cannot select " + request.range + " on the sheet " + sheet + ": " + error;
  return sim::SendAsUser(excel);
}

}  // namespace

std::string RunCreate(ModuleLoader& module, const CreateRequest& request) {
  StepRunner steps(module);
  if (std::string error = steps.Run("keyin QUORVELLE CREATE"); !error.empty()) return error;
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  if (!excel || sim::ExcelEnded(*excel)) return "Excel was not started for the table; see the messages above.";
  if (std::string error = SendRange(*excel, request); !error.empty()) {
    steps.Run("keyin QUORVELLE CLEANUP");
    return error;
  }
  sim::PumpMessages();
  if (sim::RunningCommand() == "default") {
    std::cout << "The transfer ended without a table.\n";
    return "";
  }
  return PlaceTablesAt(steps, request.points);
}

std::string PlaceTablesAt(StepRunner& steps, const std::vector<DPoint3d>& points) {
  const std::size_t before = sim::ElementCount();
  for (const auto& p : points) {
    // Whether the tables were placed or not, the command has ended: the exit status
    // and the messages above say which.
    if (sim::RunningCommand() == "default") {
      std::cerr << "quorvelle: the command has ended; the remaining points are not used.\n";
      break;
    }
    sim::SendCursor(p);
    sim::SendDataPoint(p);
    sim::PumpMessages();
  }
  if (sim::RunningCommand() != "default") {
    steps.Run("keyin QUORVELLE CLEANUP");
    return "A table is still waiting for its origin: give one more --at point.";
  }
  if (sim::ElementCount() == before) return "No table was placed.";
  return "";
}
