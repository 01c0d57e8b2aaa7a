// The companion add-in's transfer of a large range: reading a workbook of 100 000
// cells (2 000 rows of 50 columns: numbers under a format, texts, bordered and
// filled cells) and sending its range as cell records, against a plain memory copy
// of the same bytes. Each reports its peak memory; the sending and the copy report
// bytes per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "sim/addin/CellRecordEncoder.h"
#include "sim/addin/RangeTransfer.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/excel/xlsx/WorkbookReader.h"

namespace {

constexpr int kRows = 2000;
constexpr int kColumns = 50;

const char kStyles[] =
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="#,##0.00"/></numFmts>)"
    R"(<fonts count="2"><font><sz val="11"/><name val="Calibri"/></font><font><b/><sz val="11"/><name val="Arial"/></font></fonts>)"
    R"(<fills count="3"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill>)"
    R"(<fill><patternFill patternType="solid"><fgColor rgb="FFDDEEFF"/></patternFill></fill></fills>)"
    R"(<borders count="2"><border/><border><left style="thin"/><right style="thin"/><top style="thin"/>)"
    R"(<bottom style="thin"/></border></borders>)"
    R"(<cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="1" applyNumberFormat="1" applyBorder="1"/>)"
    R"(<xf numFmtId="0" fontId="1" fillId="2" borderId="1" applyFont="1" applyFill="1" applyBorder="1"/></cellXfs>)"
    R"(</styleSheet>)";

// The workbook, written once for every benchmark of the run.
const std::string& WorkbookPath() {
  static const std::string path = [] {
    sim::MinimalWorkbookParts parts;
    parts.styles = kStyles;
    std::string& data = parts.sheetData;
    for (int row = 1; row <= kRows; ++row) {
      data += "<row r=\"" + std::to_string(row) + "\">";
      for (int column = 1; column <= kColumns; ++column) {
        std::string ref = bench::AbsoluteAddress(row, column);
        ref.erase(std::remove(ref.begin(), ref.end(), '$'), ref.end());
        if (column % 5 == 1)
          data += "<c r=\"" + ref + "\" s=\"2\" t=\"inlineStr\"><is><t>Item " + std::to_string(row) + "</t></is></c>";
        else
          data += "<c r=\"" + ref + "\" s=\"1\"><v>" + std::to_string(row * 1000 + column) + ".25</v></c>";
      }
      data += "</row>";
    }
    std::string error;
    std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
    std::string file = (std::filesystem::temp_directory_path() / "quorvelle-transfer-bench.xlsx").string();
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }();
  return path;
}

std::shared_ptr<const sim::WorkbookData> ReadBook(benchmark::State& state) {
  std::string error;
  auto book = sim::ReadWorkbook(WorkbookPath(), &error, sim::WorkbookCells::OnDemand);
  if (!book) state.SkipWithError(error.c_str());
  return book;
}

// Takes the records as the signal window would, keeping only their count and bytes.
class CountingMessages : public sim::AddinMessages {
 public:
  void Path(const std::string&) override {}
  void Message(const std::string&) override {}
  void Begin(int) override {}
  void Record(const std::vector<unsigned char>& record) override {
    benchmark::DoNotOptimize(record.data());
    ++records;
    bytes += record.size();
  }
  void End(int) override {}
  std::size_t records = 0;
  std::size_t bytes = 0;
};

const std::vector<sim::CellRect> kWholeRange = {{1, 1, kRows, kColumns}};

void BM_ReadWorkbook(benchmark::State& state) {
  WorkbookPath();
  for (auto _ : state) {
    auto book = ReadBook(state);
    benchmark::DoNotOptimize(book.get());
  }
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
  state.counters["peak_MiB"] = bench::PeakMemoryMiB();
}
BENCHMARK(BM_ReadWorkbook)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SendRange(benchmark::State& state) {
  auto book = ReadBook(state);
  if (!book) return;
  std::size_t bytes = 0;
  for (auto _ : state) {
    CountingMessages messages;
    std::string error;
    if (!sim::SendRange(*book, 0, kWholeRange, "Z:\\bench\\Book.xlsx", messages, &error))
      state.SkipWithError(error.c_str());
    else if (messages.records != static_cast<std::size_t>(kRows * kColumns)) state.SkipWithError("records missing");
    bytes = messages.bytes;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
  state.counters["peak_MiB"] = bench::PeakMemoryMiB();
}
BENCHMARK(BM_SendRange)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor: the same bytes copied record by record into a buffer of 64 MiB, used
// round and round so that the copy goes to memory rather than stays in the caches.
void BM_CopyRecordBytes(benchmark::State& state) {
  constexpr std::size_t kSlots = (64u << 20) / kCellRecordSize;
  std::vector<unsigned char> source(kCellRecordSize, 0x5A), target(kSlots * kCellRecordSize);
  const std::size_t records = static_cast<std::size_t>(kRows) * kColumns;
  for (auto _ : state) {
    for (std::size_t i = 0; i < records; ++i) {
      std::memcpy(target.data() + (i % kSlots) * kCellRecordSize, source.data(), source.size());
      benchmark::DoNotOptimize(target.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * records * kCellRecordSize));
  state.counters["peak_MiB"] = bench::PeakMemoryMiB();
}
BENCHMARK(BM_CopyRecordBytes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
