// A generated workbook of the shape a schedule has, for benchmarks and tests that
// place large ranges: a sheet "Data" of `rows` x `columns` cells with thin borders on
// every cell, a bold filled header row, a text column, and numbers under "#,##0.00"
// in the other columns. Generated when needed, never stored.
#pragma once

#include <string>

namespace sim {

// "CV1000" for row 1000, column 100.
std::string CellReference(int row, int column);
// The range of the whole grid, "A1:CV1000".
std::string GridRange(int rows, int columns);
// Writes the workbook; empty on success, else the reason.
std::string WriteGridWorkbook(const std::string& linuxPath, int rows, int columns);

}  // namespace sim
