// Updating the tables of a design file, as `quorvelle update --all` runs it, against
// placing the same tables: N tables of one workbook's 20 x 10 range placed one create
// after another and the design file saved (place_s), then every table redrawn from
// the workbook in one update and the design file saved again (update_s). For 10 and
// 100 tables, so that a cost growing faster than the tables shows in the seconds per
// table.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/Exports.h"
#include "bench/BenchSupport.h"
#include "host/msstate.h"
#include "settings/Profile.h"
#include "sim/excel/xlsx/GridWorkbook.h"

namespace {

constexpr int kRows = 20;
constexpr int kColumns = 10;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string PlaceTable(const std::string& workbook, const DPoint3d& at) {
  bench::StartCreateCommand();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  if (!excel) return "Excel was not started";
  if (std::string error = sim::OpenAsUser(*excel, sim::ToWindowsPath(workbook)); !error.empty()) return error;
  if (std::string error = sim::SelectAsUser(*excel, "Data", sim::GridRange(kRows, kColumns)); !error.empty())
    return error;
  if (std::string error = sim::SendAsUser(*excel); !error.empty()) return error;
  sim::PumpMessages();
  sim::SendDataPoint(at);
  sim::PumpMessages();
  return sim::RunningCommand() == "default" ? "" : "the table was not placed";
}

void BM_UpdateTables(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  const auto folder = std::filesystem::temp_directory_path();
  const std::string workbook = (folder / "quorvelle-update-bench.xlsx").string();
  const std::string design = (folder / "quorvelle-update-bench.dgn").string();
  if (!sim::WriteGridWorkbook(workbook, kRows, kColumns).empty()) {
    state.SkipWithError("the workbook could not be written");
    return;
  }
  double place = 0, update = 0;
  for (auto _ : state) {
    bench::HostWorld world;
    sim::NewDesignFile(design);
    InitApplicationDll();
    auto start = Clock::now();
    for (int i = 0; i < tables; ++i)
      if (std::string error = PlaceTable(workbook, {0, -400.0 * i, 0}); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
      }
    if (!sim::SaveDesignFile().empty()) {
      state.SkipWithError("the design file was not saved");
      return;
    }
    place = SecondsSince(start);

    start = Clock::now();
    Quorvelle_Update_All();
    if (!sim::SaveDesignFile().empty()) {
      state.SkipWithError("the design file was not saved");
      return;
    }
    update = SecondsSince(start);
    UnloadApplicationDll();
    if (sim::ElementCount() != static_cast<std::size_t>(tables)) {
      state.SkipWithError("not every table was updated");
      return;
    }
    state.SetIterationTime(update);
  }
  std::filesystem::remove(design);
  std::filesystem::remove(workbook);
  state.counters["place_s"] = place;
  state.counters["update_s"] = update;
  state.counters["update_per_table_s"] = update / tables;
  state.counters["update_over_place"] = update / place;
}
BENCHMARK(BM_UpdateTables)->Arg(10)->Arg(100)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
