// The whole create of a table, as the host shell runs `quorvelle create --workbook`:
// the Excel user opens a generated workbook (read), selects its range and has the
// add-in send it (transfer, and the module turning records into the table model:
// model), the module draws the table (drawing: layout, fills, texts, borders), a data
// point places the cell (add), and the design file is saved (save). From 100 to
// 2000 rows of 100 columns, the last being the add-in's limit of a transfer; each
// size reports its seconds, cells per second, peak memory and the time of each stage.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "app/Exports.h"
#include "bench/BenchSupport.h"
#include "sim/excel/xlsx/GridWorkbook.h"
#include "host/msstate.h"
#include "settings/Profile.h"

namespace {

constexpr int kColumns = 100;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The workbook of a size, generated once for the run.
std::string WorkbookOfRows(int rows) {
  static std::map<int, std::string> paths;
  auto found = paths.find(rows);
  if (found != paths.end()) return found->second;
  std::string path =
      (std::filesystem::temp_directory_path() / ("quorvelle-placement-" + std::to_string(rows) + ".xlsx")).string();
  if (!sim::WriteGridWorkbook(path, rows, kColumns).empty()) path.clear();
  return paths[rows] = path;
}

struct StageTimes {
  double read = 0, transfer = 0, model = 0, drawing = 0, add = 0, save = 0;
  double Total() const { return read + transfer + model + drawing + add + save; }
};

// One create into a new design file; empty on success, else what went wrong.
std::string PlaceOnce(const std::string& workbook, int rows, const std::string& design, StageTimes* times) {
  sim::NewDesignFile(design);
  InitApplicationDll();
  bench::StartCreateCommand();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  if (!excel) return "Excel was not started";

  auto start = Clock::now();
  if (std::string error = sim::OpenAsUser(*excel, sim::ToWindowsPath(workbook)); !error.empty()) return error;
  auto end = Clock::now();
  times->read = Seconds(end - start);

  if (std::string error = sim::SelectAsUser(*excel, "Data", sim::GridRange(rows, kColumns)); !error.empty())
    return error;
  const auto receiving = sim::WindowProcedureTime();
  start = Clock::now();
  if (std::string error = sim::SendAsUser(*excel); !error.empty()) return error;
  end = Clock::now();
  times->model = Seconds(sim::WindowProcedureTime() - receiving);
  times->transfer = Seconds(end - start) - times->model;

  start = Clock::now();
  sim::PumpMessages();
  end = Clock::now();
  times->drawing = Seconds(end - start);

  start = Clock::now();
  sim::SendCursor({0, 0, 0});
  sim::SendDataPoint({0, 0, 0});
  sim::PumpMessages();
  end = Clock::now();
  times->add = Seconds(end - start);
  if (sim::RunningCommand() != "default") return "the table was not placed";

  UnloadApplicationDll();
  start = Clock::now();
  if (std::string error = sim::SaveDesignFile(); !error.empty()) return error;
  end = Clock::now();
  times->save = Seconds(end - start);
  return "";
}

void BM_PlaceWorkbookRange(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string workbook = WorkbookOfRows(rows);
  if (workbook.empty()) {
    state.SkipWithError("the workbook could not be written");
    return;
  }
  bench::ResetPeakMemory();
  StageTimes times;
  for (auto _ : state) {
    bench::HostWorld world;
    const std::string design =
        (std::filesystem::temp_directory_path() / ("quorvelle-placement-" + std::to_string(rows) + ".dgn")).string();
    if (std::string error = PlaceOnce(workbook, rows, design, &times); !error.empty()) {
      state.SkipWithError(error.c_str());
      return;
    }
    state.SetIterationTime(times.Total());
    std::filesystem::remove(design);
  }
  const double cells = static_cast<double>(rows) * kColumns;
  state.counters["cells_per_s"] = cells / times.Total();
  state.counters["peak_MiB"] = bench::PeakMemoryMiB();
  state.counters["read_s"] = times.read;
  state.counters["transfer_s"] = times.transfer;
  state.counters["model_s"] = times.model;
  state.counters["drawing_s"] = times.drawing;
  state.counters["add_s"] = times.add;
  state.counters["save_s"] = times.save;
}
BENCHMARK(BM_PlaceWorkbookRange)
    ->Arg(100)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
