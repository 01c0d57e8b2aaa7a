// Writes a few cell records into a folder, as the starting corpus of the record
// fuzzer. Usage: record_fuzz_seeds FOLDER
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "sim/addin/CellRecordEncoder.h"

namespace {

sim::CellDescription Cell(const std::string& address, const std::string& mergeAddress) {
  sim::CellDescription cell;
  cell.address = address;
  cell.mergeAddress = mergeAddress;
  cell.left = 48, cell.top = 15, cell.width = 64, cell.height = 15;
  cell.layoutWidth = 192, cell.layoutHeight = 45;
  cell.rangeAddress = "$B$3:$D$5";
  cell.sheetName = "Sheet1";
  cell.leftEdge = cell.topEdge = cell.rightEdge = cell.bottomEdge = {1, 2, 0};
  return cell;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::vector<sim::CellDescription> cells;

  sim::CellDescription runs = Cell("$B$3", "$B$3:$D$5");
  runs.text = u"HelloWorld";
  runs.runDescription = "Arial|b1|i0|s0|4:Times New Roman|b0|i1|s1|9";
  runs.diagonalDown = {-4119, 4, 0xFF};
  cells.push_back(runs);

  sim::CellDescription fraction = Cell("$C$4", "$B$3:$D$5");
  fraction.text = u"1 1/2\" and 3/4";
  fraction.pattern = -4125;
  fraction.fillColorIndex = 6;
  cells.push_back(fraction);

  sim::CellDescription wide = Cell("$AB$12", "$AB$12:$AC$12");
  wide.text = u"Summe \u00FCber alles";
  wide.orientation = -4171;
  wide.bottomEdge = {-4119, -4138, 0x00FF00, 1};
  cells.push_back(wide);

  cells.push_back(Cell("", ""));  // a placeholder

  for (size_t i = 0; i < cells.size(); ++i) {
    std::vector<unsigned char> bytes = sim::EncodeCellRecord(cells[i]);
    std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(i), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
      return 1;
    }
  }
  return 0;
}
