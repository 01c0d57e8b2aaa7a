// The add-in's transfer of a range of a real workbook: the messages in order, the
// areas a reference names, hidden rows and columns as placeholders, the bounds, and
// every fixture workbook's used range assembled into a table by the module's reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "sim/addin/RangeTransfer.h"
#include "tests/TestSupport.h"
#include "tests/sim/RangeTestSupport.h"

namespace {

class RangeTransferTest : public HostTest {
 protected:
  // The transfer of a reference on a sheet; the areas resolved must be sound.
  std::unique_ptr<RecordingMessages> Send(const sim::WorkbookData& book, const std::string& reference, int sheet = 0) {
    auto messages = std::make_unique<RecordingMessages>();
    std::vector<sim::CellRect> areas;
    std::string error;
    EXPECT_TRUE(sim::ResolveTransferAreas(book, sheet, reference, &areas, &error)) << error;
    EXPECT_TRUE(sim::SendRange(book, sheet, areas, "Z:\\books\\Book.xlsx", *messages, &error)) << error;
    return messages;
  }
};

TEST_F(RangeTransferTest, PathBeginRecordsRowByRowAndEndComeInOrder) {
  auto book = Fixture("merge_cells01.xlsx");
  auto one = Send(*book, "B1:C2");
  EXPECT_EQ((std::vector<std::string>{"path Z:\\books\\Book.xlsx", "begin 2", "record $B$1", "record $C$1",
                                      "record $B$2", "record $C$2", "end 1"}),
            one->log);
  EXPECT_EQ(2, one->table.RowCount());
  EXPECT_EQ(2, one->table.ColumnCount());
  EXPECT_EQ("$B$1:$C$2", one->table.RangeAddress);
  EXPECT_EQ("Sheet1", one->table.SheetName);

  // Several areas: one range each, the output asked for at the end of the last.
  auto two = Send(*book, "a1,$D$1:D2");
  EXPECT_EQ((std::vector<std::string>{"path Z:\\books\\Book.xlsx", "begin 1", "record $A$1", "end 0", "begin 1",
                                      "record $D$1", "record $D$2", "end 1"}),
            two->log);
}

TEST_F(RangeTransferTest, HiddenRowsAndColumnsAreSentAsPlaceholders) {
  auto book = Fixture("WidthsAndHeights.xlsx");  // column C hidden, rows 3 and 4 hidden
  auto messages = Send(*book, "A1:C4");
  EXPECT_EQ((std::vector<std::string>{"path Z:\\books\\Book.xlsx", "begin 3", "record $A$1", "record $B$1", "record ",
                                      "record $A$2", "record $B$2", "record ", "record ", "record ", "record ",
                                      "record ", "record ", "record ", "end 1"}),
            messages->log);
  // The module keeps the visible cells; the range's address survives a last column
  // that is hidden.
  ASSERT_EQ(2, messages->table.RowCount());
  EXPECT_EQ(2, messages->table.ColumnCount());
  EXPECT_EQ("$A$1:$C$4", messages->table.RangeAddress);
  EXPECT_EQ("Sheet1", messages->table.SheetName);
  const CAutoCell& b2 = messages->table.Cell(1, 1);
  EXPECT_EQ("$B$2", b2.Address);
  EXPECT_DOUBLE_EQ(messages->table.Cell(0, 0).Height, b2.Top);  // row 1 is 37.5 points high
  EXPECT_DOUBLE_EQ(37.5, b2.Top);
}

TEST_F(RangeTransferTest, ReferencesNameAddressesDefinedNamesAndWholeColumns) {
  auto charts = Fixture("WithThreeCharts.xlsx");  // ChartRange2 is Sheet1!$D$1:$E$6
  EXPECT_EQ("$D$1:$E$6", Send(*charts, "ChartRange2")->table.RangeAddress);
  EXPECT_EQ("$D$1:$E$6", Send(*charts, "Sheet1!D1:E6")->table.RangeAddress);

  auto merged = Fixture("merge_cells01.xlsx");  // used range A1:D2
  EXPECT_EQ("$B$1:$C$2", Send(*merged, "$B:$C")->table.RangeAddress);
  EXPECT_EQ("$A$2:$D$2", Send(*merged, "2:2")->table.RangeAddress);
  EXPECT_EQ("$A$1:$D$2", Send(*merged, "A1:XFD1048576")->table.RangeAddress);

  const struct {
    const char* reference;
    const char* message;
  } refused[] = {
      {"NoSuchName", "The range 'NoSuchName' is neither an address nor a name of a range on the sheet 'Sheet1'."},
      {"A1:", "The range 'A1:' is neither an address nor a name of a range on the sheet 'Sheet1'."},
      {"Other!A1", "The range 'Other!A1' is neither an address nor a name of a range on the sheet 'Sheet1'."},
      {"A1:Z10000", "The range 'A1:Z10000' holds 260000 cells; the add-in sends at most 200000 cells at a time."},
  };
  for (const auto& c : refused) {
    std::vector<sim::CellRect> areas;
    std::string error;
    EXPECT_FALSE(sim::ResolveTransferAreas(*merged, 0, c.reference, &areas, &error)) << c.reference;
    EXPECT_EQ(c.message, error);
  }
}

// Every fixture opens, and the used range of each of its sheets becomes a table with
// one row per visible row and the same cells in every row.
TEST_F(RangeTransferTest, EveryFixtureWorkbookSendsEachSheetsUsedRangeIntoATable) {
  int workbooks = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QV_SOURCE_DIR "/tests/fixtures/xlsx")) {
    if (entry.path().extension() != ".xlsx") continue;
    std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    auto book = Fixture(name);
    ASSERT_NE(nullptr, book);
    ++workbooks;
    for (int sheet = 0; sheet < static_cast<int>(book->sheets.size()); ++sheet) {
      const sim::SheetData& data = book->sheets[sheet];
      std::string used = sim::AbsoluteAddressOf(sim::UsedRangeOrFirstCell(data));
      auto messages = Send(*book, used, sheet);
      EXPECT_EQ("end 1", messages->log.back()) << data.name;
      if (messages->table.RowCount() == 0) continue;  // every row hidden
      EXPECT_EQ(used, messages->table.RangeAddress) << data.name;
      for (const auto& row : messages->table.Rows)
        EXPECT_EQ(messages->table.Rows[0].Cells.size(), row.Cells.size()) << data.name;
    }
  }
  EXPECT_GE(workbooks, 48);
}

}  // namespace
