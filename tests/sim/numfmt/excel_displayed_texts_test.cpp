// Every row of data/excel_displayed_texts.tsv: the text Excel showed for a value
// under a format code, read from workbooks Excel saved.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "sim/excel/numfmt/NumberFormat.h"

namespace {

struct Row {
  std::string where;  // workbook and cell
  bool date1904 = false;
  std::string code, value, expected, exception;
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

std::vector<Row> ReadRows() {
  std::ifstream file(QV_SOURCE_DIR "/tests/sim/numfmt/data/excel_displayed_texts.tsv");
  std::vector<Row> rows;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields = Fields(line);
    EXPECT_TRUE(fields.size() == 6 || fields.size() == 7) << line;
    if (fields.size() < 6) continue;
    fields.resize(7);
    rows.push_back({fields[0] + " " + fields[1], fields[2] == "1904", fields[3], fields[4], fields[5], fields[6]});
  }
  return rows;
}

TEST(ExcelDisplayedTexts, EveryRowShowsWhatExcelShowed) {
  std::vector<Row> rows = ReadRows();
  ASSERT_FALSE(rows.empty());
  for (const Row& row : rows) {
    sim::CellValueForFormat value{sim::CellValueForFormat::Number, std::strtod(row.value.c_str(), nullptr)};
    std::string shown = sim::FormatCellValue(value, row.code, row.date1904).text;
    if (row.exception.empty()) {
      EXPECT_EQ(row.expected, shown) << row.where << " code " << row.code << " value " << row.value;
    } else {
      // A listed exception that matches after all should leave the list.
      EXPECT_NE(row.expected, shown) << row.where << " matches; its exception is stale: " << row.exception;
    }
  }
}

}  // namespace
