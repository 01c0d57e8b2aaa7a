// Writes the grid workbook, for timing whole processes:
//   grid_workbook ROWS COLUMNS OUT.xlsx    (prints the range of the table)
#include <cstdlib>
#include <iostream>
#include <string>

#include "sim/excel/xlsx/GridWorkbook.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "Use: grid_workbook ROWS COLUMNS OUT.xlsx\n";
    return 2;
  }
  const int rows = std::atoi(argv[1]), columns = std::atoi(argv[2]);
  if (rows < 1 || rows > 1048576 || columns < 1 || columns > 16384) {
    std::cerr << "grid_workbook: ROWS must be 1 to 1048576 and COLUMNS 1 to 16384.\n";
    return 2;
  }
  if (std::string error = sim::WriteGridWorkbook(argv[3], rows, columns); !error.empty()) {
    std::cerr << "grid_workbook: " << error << "\n";
    return 1;
  }
  std::cout << sim::GridRange(rows, columns) << "\n";
  return 0;
}
