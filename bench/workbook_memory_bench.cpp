// Peak memory of the whole create (`quorvelle create --workbook`, as a process) from
// workbooks that stay within every bound of the reader yet are built to make a
// reader that holds whole parts in memory swell: a sheet part of 250 MiB of tiny
// XML elements, one of 250 MiB of empty attributes on its cells, and 5 000 000
// inline rich-text cells (the cell bound of a workbook). Each places a small range
// of the sheet, so what it costs is the reading. The target is 512 MiB for each.
// The workbooks are generated here, into the temporary folder, and removed after.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sim/excel/xlsx/MinimalWorkbook.h"

namespace {

constexpr std::size_t kPartBytes = 250u << 20;
constexpr double kTargetMiB = 512;

// Letters that vary enough for the parts to compress as real ones do, far below the
// reader's bound on the compression ratio.
class Letters {
 public:
  char Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<char>('a' + (state_ >> 33) % 26);
  }

 private:
  std::uint64_t state_ = 42;
};

// Three small rows with texts and numbers: the range every shape places.
std::string PlacedRows() {
  std::string rows;
  for (int row = 1; row <= 3; ++row) {
    rows += "<row r=\"" + std::to_string(row) + "\">";
    rows += "<c r=\"A" + std::to_string(row) + "\" t=\"inlineStr\"><is><t>Item " + std::to_string(row) + "</t></is></c>";
    rows += "<c r=\"B" + std::to_string(row) + "\"><v>" + std::to_string(row * 12.5) + "</v></c>";
    rows += "</row>";
  }
  return rows;
}

std::string TinyElements() {
  std::string data = PlacedRows();
  Letters letters;
  while (data.size() < kPartBytes) {
    data += '<';
    data += letters.Next();
    data += "/>";
  }
  return data;
}

// Cells of rows 4 on, each with the 26 one-letter attributes, empty, in an order of
// its own (capitals, which no attribute of a cell is named).
std::string EmptyAttributes() {
  std::string data = PlacedRows();
  Letters letters;
  int row = 4;
  while (data.size() < kPartBytes) {
    data += "<row r=\"" + std::to_string(row++) + "\">";
    for (int cell = 0; cell < 1000; ++cell) {
      std::string names = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
      for (std::size_t i = names.size() - 1; i > 0; --i) std::swap(names[i], names[(letters.Next() - 'a') % (i + 1)]);
      data += "<c";
      for (char name : names) {
        data += ' ';
        data += name;
        data += "=\"\"";
      }
      data += "><v>1</v></c>";
    }
    data += "</row>";
  }
  return data;
}

std::string RichTextCells() {
  std::string data = PlacedRows();
  Letters letters;
  const int cellsPerRow = 1000;
  const int rows = (5000000 - 6) / cellsPerRow;
  for (int row = 0; row < rows; ++row) {
    data += "<row r=\"" + std::to_string(row + 4) + "\">";
    for (int cell = 0; cell < cellsPerRow; ++cell) {
      data += "<c t=\"inlineStr\"><is><r><t>";
      data += letters.Next();
      data += letters.Next();
      data += "</t></r></is></c>";
    }
    data += "</row>";
  }
  return data;
}

std::string WriteWorkbook(const std::string& name, std::string sheetData) {
  sim::MinimalWorkbookParts parts;
  parts.sheetData = std::move(sheetData);
  std::string error;
  const std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  if (bytes.empty()) return "";
  const std::string path = (std::filesystem::temp_directory_path() / ("quorvelle-memory-" + name + ".xlsx")).string();
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

struct Run {
  int status = -1;
  double seconds = 0;
  double peakMiB = 0;
};

Run RunShell(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  std::string program = QUORVELLE_SHELL;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  Run run;
  const auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return run;
}

void PlaceFrom(benchmark::State& state, const std::string& name, std::string (*sheetData)()) {
  const std::string workbook = WriteWorkbook(name, sheetData());
  if (workbook.empty()) {
    state.SkipWithError("the workbook could not be written");
    return;
  }
  const std::string design = (std::filesystem::temp_directory_path() / ("quorvelle-memory-" + name + ".dgn")).string();
  Run run;
  for (auto _ : state) {
    std::filesystem::remove(design);
    if (RunShell({"--quiet", "--design", design, "new"}).status != 0) {
      state.SkipWithError("the design file could not be made");
      break;
    }
    run = RunShell({"--quiet", "--design", design, "create", "--workbook", workbook, "--range", "A1:B3", "--at", "0,0"});
    state.SetIterationTime(run.seconds);
  }
  std::filesystem::remove(design);
  state.counters["workbook_MiB"] = static_cast<double>(std::filesystem::file_size(workbook)) / (1 << 20);
  std::filesystem::remove(workbook);
  state.counters["peak_MiB"] = run.peakMiB;
  state.counters["exit_status"] = run.status;
  if (run.status != 0)
    state.SkipWithError("the create did not place the table");
  else if (run.peakMiB > kTargetMiB)
    state.SkipWithError(("peak memory " + std::to_string(run.peakMiB) + " MiB is over the target").c_str());
}

void BM_TinyElements(benchmark::State& state) { PlaceFrom(state, "tiny-elements", TinyElements); }
void BM_EmptyAttributes(benchmark::State& state) { PlaceFrom(state, "empty-attributes", EmptyAttributes); }
void BM_RichTextCells(benchmark::State& state) { PlaceFrom(state, "rich-text-cells", RichTextCells); }

BENCHMARK(BM_TinyElements)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_EmptyAttributes)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_RichTextCells)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
