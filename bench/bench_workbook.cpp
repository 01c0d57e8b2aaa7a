// Writes the placement benchmarks' workbook, for timing whole processes:
//   bench_workbook ROWS COLUMNS OUT.xlsx    (prints the range of the table)
#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/BenchWorkbook.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "Use: bench_workbook ROWS COLUMNS OUT.xlsx\n";
    return 2;
  }
  const int rows = std::atoi(argv[1]), columns = std::atoi(argv[2]);
  if (rows < 1 || rows > 1048576 || columns < 1 || columns > 16384) {
    std::cerr << "bench_workbook: ROWS must be 1 to 1048576 and COLUMNS 1 to 16384.\n";
    return 2;
  }
  if (std::string error = bench::WriteBenchWorkbook(argv[3], rows, columns); !error.empty()) {
    std::cerr << "bench_workbook: " << error << "\n";
    return 1;
  }
  std::cout << bench::BenchRange(rows, columns) << "\n";
  return 0;
}
