// Assembling records into rows as they arrive.
#include <algorithm>
#include <string>
#include <vector>

#include "model/RowAssembly.h"
#include "tests/model/ModelTestSupport.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class RowAssemblyTest : public ModelTest {
 protected:
  // Sends one record per address ("" for a placeholder) with the range address and
  // sheet name given.
  void Send(const std::vector<std::string>& addresses, const std::string& range = "$A$1:$C$2",
            const std::string& sheet = "Sheet1") {
    for (const std::string& address : addresses) {
      sim::CellDescription d = CellAt(address);
      d.rangeAddress = range;
      d.sheetName = sheet;
      std::vector<unsigned char> bytes = sim::EncodeCellRecord(d);
      ASSERT_TRUE(assembly.Receive(table, bytes.data(), bytes.size()));
    }
  }
  Rows TableAddresses() const {
    Rows rows;
    for (const CQuorvelleRow& row : table.Rows) {
      rows.emplace_back();
      for (const CAutoCell& cell : row.Cells) rows.back().push_back(cell.Address);
    }
    return rows;
  }

  CRowAssembly assembly;
};

TEST_F(RowAssemblyTest, PlaceholdersAreDroppedButCounted) {
  struct Case {
    int cellsPerRow;
    std::vector<std::string> records;
    Rows rows;
    int pendingCells;
  };
  const Case cases[] = {
      {3, {"$A$1", "", "$C$1"}, {{"$A$1", "$C$1"}}, 0},
      {3, {"", "", "", "$A$2", "$B$2", "$C$2"}, {{"$A$2", "$B$2", "$C$2"}}, 0},
      {2, {"$A$1", "$B$1", "$A$2"}, {{"$A$1", "$B$1"}}, 1},
      {2, {"", "$B$1", "$A$2", ""}, {{"$B$1"}, {"$A$2"}}, 0},
      {0, {"$A$1", "", "$A$3"}, {{"$A$1"}, {"$A$3"}}, 0},
      {-5, {"$A$1", "$A$2"}, {{"$A$1"}, {"$A$2"}}, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.cellsPerRow);
    table.Reset();
    assembly.Start(k.cellsPerRow);
    Send(k.records);
    EXPECT_EQ(k.rows, TableAddresses());
    EXPECT_EQ(k.pendingCells, static_cast<int>(assembly.rowInProgress.Cells.size()));
  }
}

TEST_F(RowAssemblyTest, RangeAndSheetComeFromTheLastRecordOfACompletedRow) {
  assembly.Start(2);
  Send({"$A$1"}, "$A$1:$B$3", "First");
  Send({""}, "$A$1:$B$4", "Second");  // a placeholder closes the row
  EXPECT_EQ("$A$1:$B$4", table.RangeAddress);
  EXPECT_EQ("Second", table.SheetName);

  Send({"", ""}, "$X$1", "Placeholders");  // no row, so nothing taken
  Send({"$A$3"}, "$Y$1", "Unfinished");
  EXPECT_EQ("$A$1:$B$4", table.RangeAddress);
  EXPECT_EQ("Second", table.SheetName);
  EXPECT_EQ(1, table.RowCount());
}

TEST_F(RowAssemblyTest, OnlyMessagesOfARecordsSizeAreRecords) {
  assembly.Start(1);
  std::vector<unsigned char> bytes = sim::EncodeCellRecord(CellAt("$A$1"));
  bytes.resize(kCellRecordSize + 1);
  for (size_t size : {size_t{0}, kShapeRecordSize, kCellRecordSize - 1, kCellRecordSize + 1})
    EXPECT_FALSE(assembly.Receive(table, bytes.data(), size)) << size;
  EXPECT_FALSE(assembly.Receive(table, nullptr, kCellRecordSize));
  EXPECT_EQ(0, assembly.cellsInRow);
  EXPECT_EQ(0, table.RowCount());

  EXPECT_TRUE(assembly.Receive(table, bytes.data(), kCellRecordSize));
  EXPECT_EQ(1, table.RowCount());
}

TEST_F(RowAssemblyTest, UnterminatedRangeAndSheetEndAtTheRecord) {
  assembly.Start(1);
  std::vector<unsigned char> bytes = sim::EncodeCellRecord(CellAt("$A$1"));
  std::fill_n(bytes.begin() + kRangeAddress.offset, kRangeAddress.size + kSheetName.size, 'S');
  ASSERT_TRUE(assembly.Receive(table, bytes.data(), bytes.size()));
  EXPECT_EQ(std::string(64, 'S'), table.RangeAddress);
  EXPECT_EQ(std::string(132, 'S'), table.SheetName);
}

TEST_F(RowAssemblyTest, StartingAgainForgetsTheUnfinishedRow) {
  assembly.Start(3);
  Send({"$A$1", "$B$1"});
  assembly.Start(2);
  Send({"$A$5", "$B$5"});
  EXPECT_EQ((Rows{{"$A$5", "$B$5"}}), TableAddresses());
  EXPECT_EQ(2, table.ColumnCount());
  EXPECT_EQ("$B$5", table.Cell(0, 1).Address);
}

}  // namespace
