#include "tools/quorvelle/CreateCommand.h"

#include <iostream>

#include "app/AppTexts.h"
#include "sim/SimHost.h"
#include "sim/addin/Transcript.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/Steps.h"

namespace {

// A Linux path given for the workbook becomes the Windows path Excel opens.
std::string WindowsPath(const std::string& path) {
  if (path.size() > 1 && path[1] == ':') return path;
  if (!path.empty() && path[0] == '/') return sim::ToWindowsPath(path);
  return path;
}

}  // namespace

std::string RunCreate(ModuleLoader& module, const CreateRequest& request) {
  StepRunner steps(module);
  if (std::string error = steps.Run("keyin QUORVELLE CREATE"); !error.empty()) return error;
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  if (!excel || sim::ExcelEnded(*excel)) return "Excel was not started for the table; see the messages above.";
  if (!request.workbook.empty())
    if (std::string error = sim::OpenAsUser(*excel, WindowsPath(request.workbook)); !error.empty()) return error;
  if (std::string error = sim::ReplayTranscriptFile(request.transcript); !error.empty()) return error;
  sim::PumpMessages();
  if (sim::RunningCommand() == "default") {
    std::cout << "The transfer ended without a table.\n";
    return "";
  }
  for (const auto& p : request.points) {
    if (sim::RunningCommand() == "default") {
      std::cerr << "quorvelle: every table is placed; the remaining points are not used.\n";
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
  return "";
}
