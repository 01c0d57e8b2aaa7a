// The border processing: every grid line drawn once, double lines as two strokes
// meeting at corners, touching segments joined, and the progress it reports.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "support/Progress.h"
#include "tests/model/BorderTestSupport.h"

namespace {

// What the processing reports, in order.
struct RecordedProgress : CProgress {
  std::vector<std::pair<std::string, int>> updates;
  void Update(const char* text, int percent) override { updates.emplace_back(text, percent); }
};

}  // namespace

using BorderProcessingTest = BorderTest;

TEST_F(BorderProcessingTest, OneCellGivesItsFourSidesTheRightAndBottomByTheAddedCells) {
  AddGrid(1, 1, Edge(xlContinuous));
  std::vector<CAutoLine> segments = Process();

  EXPECT_EQ(Drawn(segments), Sorted({"(0,0)-(0,-10)", "(0,0)-(20,0)", "(20,0)-(20,-10)", "(0,-10)-(20,-10)"}));
  for (const CAutoLine& s : segments) EXPECT_EQ(s.StyleName, "CONTINUOUS");
  // The added column and row stay in the table.
  ASSERT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Rows[0].Cells.size(), 2u);
  EXPECT_EQ(table.Rows[1].Cells.size(), 2u);
  EXPECT_EQ(table.Rows[0].Cells[1].Borders.Edges[kEdgeLeft].StyleName, "CONTINUOUS");
  EXPECT_EQ(table.Rows[1].Cells[0].Borders.Edges[kEdgeTop].StyleName, "CONTINUOUS");
}

TEST_F(BorderProcessingTest, TouchingTopEdgesJoinOnlyWithTheSameColourStyleAndWeight) {
  const int red = 0x0000FF, blue = 0xFF0000;
  struct Case {
    const char* name;
    std::vector<CAutoBorder> tops;  // one cell 20 wide each
    std::vector<std::string> drawn;
  } cases[] = {
      {"same colour and style", {Edge(xlContinuous, xlThin, red), Edge(xlContinuous, xlThin, red)}, {"(0,0)-(40,0)"}},
      {"three in a row",
       {Edge(xlContinuous), Edge(xlContinuous), Edge(xlContinuous)},
       {"(0,0)-(60,0)"}},
      {"colours differ",
       {Edge(xlContinuous, xlThin, red), Edge(xlContinuous, xlThin, blue)},
       {"(0,0)-(20,0)", "(20,0)-(40,0)"}},
      {"weights differ", {Edge(xlContinuous, xlThin), Edge(xlContinuous, xlMedium)}, {"(0,0)-(20,0)", "(20,0)-(40,0)"}},
      {"styles differ", {Edge(xlContinuous), Edge(xlDash)}, {"(0,0)-(20,0)", "(20,0)-(40,0)"}},
      {"a cell without top edge between", {Edge(xlContinuous), CAutoBorder{}, Edge(xlContinuous)},
       {"(0,0)-(20,0)", "(40,0)-(60,0)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Reset();
    CQuorvelleRow row;
    for (size_t i = 0; i < c.tops.size(); ++i) {
      row.Cells.push_back(CellAt("$" + std::string(1, static_cast<char>('A' + i)) + "$1", 20.0 * i, 0));
      row.Cells.back().Borders.Edges[kEdgeTop] = c.tops[i];
    }
    table.Rows.push_back(row);
    EXPECT_EQ(Drawn(Process()), Sorted(c.drawn));
  }
}

TEST_F(BorderProcessingTest, AGridWithAllBordersGivesOneSegmentPerGridLine) {
  AddGrid(3, 4, Edge(xlContinuous));
  EXPECT_EQ(Drawn(Process()), Sorted({"(0,0)-(80,0)", "(0,-10)-(80,-10)", "(0,-20)-(80,-20)", "(0,-30)-(80,-30)",
                                      "(0,0)-(0,-30)", "(20,0)-(20,-30)", "(40,0)-(40,-30)", "(60,0)-(60,-30)",
                                      "(80,0)-(80,-30)"}));
}

TEST_F(BorderProcessingTest, ADoubleRightEdgeIsTwoStrokesTheGapApart) {
  for (unsigned gap : {1u, 4u}) {
    SCOPED_TRACE(gap);
    table.Reset();
    table.Setup.doubleLineGap = gap;
    table.Rows.push_back(CQuorvelleRow{});
    table.Rows[0].Cells.push_back(CellAt("$A$1", 0, 0));
    table.Rows[0].Cells[0].Borders.Edges[kEdgeRight] = Edge(xlDouble, xlThick, 0x123456);

    std::vector<CAutoLine> segments = Process();
    ASSERT_EQ(segments.size(), 2u);
    const double half = gap / 2.0;
    for (const CAutoLine& s : segments) {
      EXPECT_DOUBLE_EQ(s.Start.x, s.End.x);
      EXPECT_DOUBLE_EQ(std::fabs(s.Start.x - 20), half);
      EXPECT_DOUBLE_EQ(s.Start.y, 0);
      EXPECT_DOUBLE_EQ(s.End.y, -10);
      EXPECT_EQ(s.Color, 0x123456);
    }
    EXPECT_DOUBLE_EQ(std::fabs(segments[0].Start.x - segments[1].Start.x), gap);
  }
}

TEST_F(BorderProcessingTest, ADoubleFrameClosesAtItsCorners) {
  table.Setup.doubleLineGap = 2;
  AddGrid(1, 1, Edge(xlDouble));
  EXPECT_EQ(Drawn(Process()), Sorted({// the outer stroke all round
                                      "(-1,1)-(-1,-11)", "(-1,1)-(21,1)", "(21,1)-(21,-11)", "(-1,-11)-(21,-11)",
                                      // the inner one
                                      "(1,-1)-(1,-9)", "(1,-1)-(19,-1)", "(19,-1)-(19,-9)", "(1,-9)-(19,-9)"}));
}

TEST_F(BorderProcessingTest, ASingleLineMeetingADoubleReachesItsFarStroke) {
  // A single left edge under a double top edge runs up to the top's upper stroke;
  // the strokes start at the single line.
  table.Setup.doubleLineGap = 2;
  table.Rows.push_back(CQuorvelleRow{});
  CAutoCell cell = CellAt("$A$1", 0, 0);
  cell.Borders.Edges[kEdgeTop] = Edge(xlDouble);
  cell.Borders.Edges[kEdgeLeft] = Edge(xlContinuous);
  table.Rows[0].Cells.push_back(cell);
  EXPECT_EQ(Drawn(Process()), Sorted({"(0,1)-(0,-10)", "(0,1)-(20,1)", "(0,-1)-(20,-1)"}));
}

TEST_F(BorderProcessingTest, AColumnBreakClosesTheRowAboveIt) {
  // The second row continues at the top of the next column, 30 to the right.
  table.Rows.resize(2);
  table.Rows[0].Cells.push_back(CellAt("$A$1", 0, 0));
  table.Rows[1].Cells.push_back(CellAt("$A$2", 30, 0));
  for (auto& row : table.Rows)
    for (int side : {kEdgeTop, kEdgeBottom}) row.Cells[0].Borders.Edges[side] = Edge(xlContinuous);
  table.Rows[0].Cells[0].Borders.ColumnBreakAfter = 1;

  EXPECT_EQ(Drawn(Process()), Sorted({"(0,0)-(20,0)", "(0,-10)-(20,-10)", "(30,0)-(50,0)", "(30,-10)-(50,-10)"}));
}

TEST_F(BorderProcessingTest, NoSegmentOfZeroLengthIsDrawn) {
  struct Case {
    const char* name;
    std::vector<double> widths;
    std::vector<double> heights;
    int lineStyle;
    unsigned gap;
  } cases[] = {
      {"a column of no width", {20, 0, 20}, {10}, xlContinuous, 1},
      {"a row of no height", {20, 20}, {10, 0, 10}, xlContinuous, 1},
      {"double edges on cells as narrow as the gap", {2, 2, 2}, {2, 2}, xlDouble, 2},
      {"double edges on cells narrower than the gap", {1, 1}, {1}, xlDouble, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Reset();
    table.Setup.doubleLineGap = c.gap;
    double top = 0;
    for (size_t r = 0; r < c.heights.size(); ++r) {
      CQuorvelleRow row;
      double left = 0;
      for (size_t k = 0; k < c.widths.size(); ++k) {
        std::string address = "$" + std::string(1, static_cast<char>('A' + k)) + "$" + std::to_string(r + 1);
        CAutoCell cell = CellAt(address, left, top, c.widths[k], c.heights[r]);
        for (int side : {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight}) cell.Borders.Edges[side] = Edge(c.lineStyle);
        row.Cells.push_back(cell);
        left += c.widths[k];
      }
      table.Rows.push_back(row);
      top += c.heights[r];
    }
    std::vector<CAutoLine> segments = Process();
    EXPECT_FALSE(segments.empty());
    for (const CAutoLine& s : segments)
      EXPECT_GT(std::hypot(s.End.x - s.Start.x, s.End.y - s.Start.y), 1e-9) << Drawn({s})[0];
  }
}

TEST_F(BorderProcessingTest, ATableWithoutCellsGivesNothingAndStaysAsItWas) {
  for (int rows : {0, 1}) {
    SCOPED_TRACE(rows);
    table.Reset();
    table.Rows.resize(rows);
    std::vector<CAutoLine> segments(1);
    EXPECT_EQ(ProcessBorders(table, segments, nullptr), 0);
    EXPECT_EQ(segments.size(), 1u);
    EXPECT_EQ(table.RowCount(), rows);
  }
}

TEST_F(BorderProcessingTest, ProgressCountsEveryCellAndEndsAtAHundred) {
  struct Case {
    const char* name;
    std::vector<int> cellsPerRow;
    int cellsAfterClosing;
  } cases[] = {
      {"two rows of three", {3, 3}, 12},
      {"a row shorter than the first", {3, 1}, 8},
      {"a row longer than the first", {1, 3}, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Reset();
    for (size_t r = 0; r < c.cellsPerRow.size(); ++r) {
      CQuorvelleRow row;
      for (int k = 0; k < c.cellsPerRow[r]; ++k) {
        std::string address = "$" + std::string(1, static_cast<char>('A' + k)) + "$" + std::to_string(r + 1);
        CAutoCell cell = CellAt(address, 20.0 * k, 10.0 * r);
        for (int side : {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight}) cell.Borders.Edges[side] = Edge(xlContinuous);
        row.Cells.push_back(cell);
      }
      table.Rows.push_back(row);
    }
    RecordedProgress progress;
    std::vector<CAutoLine> segments;
    ASSERT_EQ(ProcessBorders(table, segments, &progress), 1);

    std::vector<int> parsing, joining;
    for (const auto& [text, percent] : progress.updates) {
      (text == "Parsing the borders:" ? parsing : joining).push_back(percent);
      if (text != "Parsing the borders:") {
        EXPECT_EQ(text, "Processing the borders:");
      }
    }
    std::vector<int> expected;
    for (int k = 1; k <= c.cellsAfterClosing; ++k) expected.push_back(k * 100 / c.cellsAfterClosing);
    EXPECT_EQ(parsing, expected);
    ASSERT_FALSE(joining.empty());
    EXPECT_EQ(joining.front(), 0);
    EXPECT_EQ(joining.back(), 100);
    EXPECT_TRUE(std::is_sorted(joining.begin(), joining.end()));
  }
}
