// Workbooks of the fixture folder and the add-in's messages for their ranges, read
// back the way the module reads them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CQuorvelle.h"
#include "model/CellRecord.h"
#include "model/RowAssembly.h"
#include "sim/addin/AddinMessages.h"
#include "sim/addin/RangeRecords.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/excel/xlsx/XlsxRanges.h"

inline std::string FixturePath(const std::string& name) { return QV_SOURCE_DIR "/tests/fixtures/xlsx/" + name; }

inline std::shared_ptr<const sim::WorkbookData> Fixture(const std::string& name) {
  std::string error;
  auto book = sim::ReadWorkbook(FixturePath(name), &error);
  EXPECT_NE(nullptr, book) << name << ": " << error;
  return book;
}

// One cell of a sheet as the add-in describes it, alone in its range.
inline sim::CellDescription DescribeCell(const sim::WorkbookData& book, const std::string& address, int sheet = 0) {
  sim::CellRect cell = sim::ParseCellRect(address).value();
  return sim::CRangeRecords(book, sheet, cell, book.sheets[static_cast<std::size_t>(sheet)].cells).Describe(cell.firstRow, cell.firstColumn);
}

// The messages of a transfer as a log ("path X", "message T", "begin N", "record
// $A$1", "shape N", "end F"), the table the module assembles from the cell records and
// the drawing-object records as they came.
class RecordingMessages : public sim::AddinMessages {
 public:
  void Path(const std::string& workbookPath) override { log.push_back("path " + workbookPath); }
  void Message(const std::string& text) override { log.push_back("message " + text); }
  void Begin(int cellsPerRow) override {
    log.push_back("begin " + std::to_string(cellsPerRow));
    table.Reset();
    rows.Start(cellsPerRow);
  }
  void Record(const std::vector<unsigned char>& bytes) override {
    if (bytes.size() == kShapeRecordSize) {
      log.push_back("shape " + std::to_string(shapes.size()));
      shapes.push_back(bytes);
      return;
    }
    auto record = CCellRecord::FromMessage(bytes.data(), bytes.size());
    ASSERT_TRUE(record.has_value());
    log.push_back("record " + record->String(kCellAddress));
    rows.Receive(table, bytes.data(), bytes.size());
  }
  void End(int flags) override { log.push_back("end " + std::to_string(flags)); }

  std::vector<std::string> log;
  std::vector<std::vector<unsigned char>> shapes;  // of all ranges, in order
  CQuorvelle table;  // of the last range
  CRowAssembly rows;
};
