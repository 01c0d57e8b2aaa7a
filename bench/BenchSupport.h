// What every benchmark needs around the code it measures: a fresh stand-in host
// with its settings in memory, addresses of cells, and the peak memory of the run.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "app/Exports.h"
#include "host/msstate.h"
#include "settings/Profile.h"
#include "sim/SimHost.h"
#include "sim/SimWorld.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/xlsx/XlsxRanges.h"
#include "sim/platform/SimPlatform.h"

namespace bench {

// A host world for one benchmark: an empty design file, the registry in memory and
// the user's folders in a scratch folder that goes with it.
class HostWorld {
 public:
  HostWorld() : folder_(std::filesystem::temp_directory_path() / ("quorvelle-bench-" + std::to_string(::getpid()))) {
    sim::ResetWorld(folder_);
  }
  ~HostWorld() {
    sim::ResetHost();
    sim::ResetPlatform();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  HostWorld(const HostWorld&) = delete;
  HostWorld& operator=(const HostWorld&) = delete;

  // Empties the design file between runs, so that every run adds to the same file.
  void ClearDesignFile() { sim::ResetHost(); }

 private:
  std::filesystem::path folder_;
};

// Starts the create command as the host runs its key-in, with the add-in's class
// registered: Excel starts for the user, and LastStartedExcel is the one.
inline void StartCreateCommand() {
  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{8E236125-FF40-49f4-9636-45EB1BEB6272}", "", "QuorvelleV8i");
  mdlState_startPrimitive(Quorvelle_Create_Accept, Quorvelle_Reset, "QUORVELLE CREATE", nullptr);
  mdlState_setFunction(STATE_CLEANUP, Quorvelle_CleanUp);
  Quorvelle_Create_Start();
  sim::PumpMessages();
}

// "$B$3" for row 3, column 2.
inline std::string AbsoluteAddress(int row, int column) { return sim::AbsoluteAddressOf({row, column, row, column}); }

// Starts the count of PeakMemoryMiB afresh from what the process holds now, so that
// each benchmark of a run reports its own peak.
inline void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The most memory the process has held so far (VmHWM), in MiB.
inline double PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0.0;
}

}  // namespace bench
