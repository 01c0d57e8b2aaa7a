// Borders and fills: the border processing of tables from 10 x 10 to 400 x 100 cells
// (its time per cell should stay flat: the work is linear), and a 200 x 50 table
// with every border and fill placed as a table cell, with the peak memory.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "model/BorderProcessing.h"
#include "model/CQuorvelle.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"

namespace {

// A rows x columns table of 48 x 15 point cells, every edge thin, every cell filled.
void FillBorderedTable(CQuorvelle& table, int rows, int columns) {
  table.Reset();
  CAutoBorder thin;
  thin.LineStyle = xlContinuous;
  thin.Weight = xlThin;
  thin.DeriveStyle(table.Setup);
  for (int r = 0; r < rows; ++r) {
    CQuorvelleRow row;
    for (int c = 0; c < columns; ++c) {
      CAutoCell cell;
      cell.Address = cell.MergeAddress = bench::AbsoluteAddress(r + 1, c + 1);
      cell.Left = c * 48.0;
      cell.Top = r * 15.0;
      cell.Width = cell.LayoutWidth = 48;
      cell.Height = cell.LayoutHeight = 15;
      cell.Interior.ColorIndex = 6;
      cell.Interior.Color = 0x00FFFF;
      for (int side : {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight}) cell.Borders.Edges[side] = thin;
      row.Cells.push_back(cell);
    }
    table.Rows.push_back(row);
  }
}

void BM_ProcessBorders(benchmark::State& state) {
  bench::HostWorld world;
  const int rows = static_cast<int>(state.range(0)), columns = static_cast<int>(state.range(1));
  CQuorvelle table;
  size_t segments = 0;
  for (auto _ : state) {
    state.PauseTiming();
    FillBorderedTable(table, rows, columns);
    std::vector<CAutoLine> lines;
    state.ResumeTiming();
    ProcessBorders(table, lines, nullptr);
    segments = lines.size();
    benchmark::DoNotOptimize(lines.data());
  }
  const double cells = static_cast<double>(state.range(0) * state.range(1));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * cells));
  state.counters["segments"] = static_cast<double>(segments);
  state.counters["ns_per_cell"] =
      benchmark::Counter(cells, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ProcessBorders)
    ->Args({10, 10})
    ->Args({50, 20})
    ->Args({100, 50})
    ->Args({200, 50})
    ->Args({400, 100})
    ->Unit(benchmark::kMillisecond);

void BM_PlaceBorderedTable(benchmark::State& state) {
  bench::HostWorld world;
  CQuorvelle table;
  for (auto _ : state) {
    state.PauseTiming();
    FillBorderedTable(table, 200, 50);
    currentOptionSet = &table.Setup;
    MSElement header;
    mdlCell_create(&header, u"Cell_Quorvelle", nullptr, 0);
    MSElementDescr* cell = nullptr;
    mdlElmdscr_new(&cell, nullptr, &header);
    state.ResumeTiming();
    const DPoint3d origin{0, 0, 0};
    if (CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate) != 1) state.SkipWithError("the table was not placed");
    state.PauseTiming();
    mdlElmdscr_freeAll(&cell);
    currentOptionSet = nullptr;
    world.ClearDesignFile();
    state.ResumeTiming();
  }
  state.counters["peak_MiB"] = bench::PeakMemoryMiB();
}
BENCHMARK(BM_PlaceBorderedTable)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
