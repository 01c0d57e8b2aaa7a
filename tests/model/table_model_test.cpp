// The table: ownership of drawing objects, reset and destruction.
#include <memory>
#include <string>

#include "tests/model/ModelTestSupport.h"

namespace {

// A drawing object that counts how many of its kind are alive.
class CountedShape : public CAutoShape {
 public:
  explicit CountedShape(int* alive) : alive_(alive) { ++*alive_; }
  ~CountedShape() override { --*alive_; }

 private:
  int* alive_;
};

class TableModelTest : public ModelTest {
 protected:
  // A table with one row, a drawing object, a text cell, changed options and strings.
  void Fill(CQuorvelle& t) {
    CQuorvelleRow row;
    row.Cells.push_back(Decode(CellAt("$A$1")));
    t.Rows.push_back(row);
    t.AddShape(std::make_unique<CountedShape>(&alive));
    t.AddShapeTextCell(Decode(CellAt("")));
    t.Setup.BorderThinWeight = 9;
    t.Setup.fontMap.AddExcelFont("Arial", false, false);
    t.RangeAddress = "$A$1";
    t.SheetName = "Sheet1";
    t.WorkbookPath = "C:\\Data\\Book1.xlsx";
  }
  int alive = 0;
};

TEST_F(TableModelTest, ResetEmptiesTheTableAndDeletesItsDrawingObjects) {
  Fill(table);
  ASSERT_EQ(1, alive);
  table.Reset();
  EXPECT_EQ(0, alive);
  EXPECT_TRUE(table.Shapes.empty());
  EXPECT_EQ(0, table.RowCount());
  EXPECT_EQ(0, table.ColumnCount());
  EXPECT_TRUE(table.ShapeTextCells.empty());
  EXPECT_EQ(0, table.Setup.BorderThinWeight);
  EXPECT_TRUE(table.Setup.fontMap.entries.empty());
  EXPECT_EQ("", table.RangeAddress + table.SheetName + table.WorkbookPath);
}

TEST_F(TableModelTest, DestroyingATableDeletesItsObjectsAndEndsTheOptionSetInForce) {
  QuorvelleSetup elsewhere;
  currentOptionSet = &elsewhere;
  {
    CQuorvelle t;
    Fill(t);
    t.AddShape(nullptr);  // nothing to own
    EXPECT_EQ(1u, t.Shapes.size());
  }
  EXPECT_EQ(0, alive);
  EXPECT_EQ(nullptr, currentOptionSet);
}

TEST_F(TableModelTest, AnEmptyTextLeavesTheCellWithoutText) {
  CAutoCell cell;
  cell.SetText(u"\uFEFFx");
  EXPECT_TRUE(cell.HasText());
  cell.SetText(u"");
  EXPECT_FALSE(cell.HasText());
}

}  // namespace
