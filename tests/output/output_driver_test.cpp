// The output driver: when a table is drawn at all, the order of its parts, the
// completion bars, the breadcrumbs and the host's current transformation.
#include <memory>

#include "host/msoutput.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "sim/SimFailures.h"
#include "support/Breadcrumbs.h"
#include "tests/output/OutputTestSupport.h"

namespace {

CLineForTest* AddLine(CQuorvelle& table, double left, double width) {
  auto line = std::make_unique<CLineForTest>();
  line->Left = left;
  line->Width = width;
  CLineForTest* raw = line.get();
  table.AddShape(std::move(line));
  return raw;
}

// A line drawn in the current units after the output: one storage unit long when the
// output gave the host back its own transformation (storage units), not one master
// unit.
double LengthOfAUnitLineNow() {
  DPoint3d points[2] = {{0, 0, 0}, {1, 0, 0}};
  MSElement line;
  mdlLine_create(&line, nullptr, points);
  ULong pos = mdlElement_add(&line);
  MSElement back;
  if (mdlElement_read(&back, mdlModelRef_getActive(), pos) != 0) return -1;
  return back.points[1].x - back.points[0].x;
}

int CountBars(sim::OutputKind kind) {
  int n = 0;
  for (const auto& e : BarEvents()) n += e.kind == kind;
  return n;
}

}  // namespace

using OutputTableToDgnTest = OutputTest;

TEST_F(OutputTableToDgnTest, TableWithoutCellsOrObjectsDrawsNothing) {
  struct Case {
    const char* name;
    int rows;
  } cases[] = {{"no rows", 0}, {"rows without columns", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Rows.assign(c.rows, CQuorvelleRow{});
    MSElementDescr* pending = NewTableCell();
    sim::ClearOutputLog();
    DPoint3d origin{5, 5, 0};
    EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate), 0);
    EXPECT_EQ(cell, pending);
    EXPECT_EQ(cell->h.firstElem, nullptr);
    EXPECT_TRUE(Dump()["elements"].empty());
    EXPECT_TRUE(sim::OutputLog().empty());
    mdlElmdscr_freeAll(&cell);
  }
}

TEST_F(OutputTableToDgnTest, ACellLeftEmptyByTheDrawingIsNotPlaced) {
  AddGrid(2, 2);  // no text, fill or border: nothing to draw
  NewTableCell();
  DPoint3d origin{10, 20, 0};
  EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate), 0);
  EXPECT_EQ(cell, nullptr);
  EXPECT_TRUE(Dump()["elements"].empty());
  // A picture is something to place, beside the cell.
  AddPicture(0, 0, 10, 10);
  NewTableCell();
  EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate), 1);
  EXPECT_EQ(1u, Dump()["elements"].size());
}

TEST_F(OutputTableToDgnTest, ObjectsWithoutCellsAreDrawnInTheirOrderPicturesApart) {
  AddLine(table, 0, 30);
  CLineForTest* picture = AddLine(table, 0, 20);
  picture->picture = true;
  AddLine(table, 5, 10);
  NewTableCell();

  EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, nullptr, kFuncCreate), 1);

  ASSERT_NE(cell, nullptr);  // still pending, for the placement dynamics
  std::vector<double> lengths;  // in storage units, 1000 to the master unit
  for (MSElementDescr* m = cell->h.firstElem; m; m = m->h.next) lengths.push_back(m->el.points[1].x - m->el.points[0].x);
  EXPECT_EQ(lengths, (std::vector<double>{30000, 10000}));
  EXPECT_EQ(picture->calls, 0);
  EXPECT_EQ(sim::OutputTexts(sim::OutputKind::Prompt), std::vector<std::string>{"Enter table origin"});
  EXPECT_TRUE(Dump()["elements"].empty());
}

TEST_F(OutputTableToDgnTest, ImportingNothingStillAsksObjectsAndSkipsTheBorders) {
  AddGrid(2, 2);
  CLineForTest* line = AddLine(table, 0, 10);
  table.AddShapeTextCell(CAutoCell{});
  table.Setup.ImportObj = 0;
  NewTableCell();

  EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, nullptr, kFuncCreate), 1);

  // Drawing objects check the import setting themselves.
  EXPECT_EQ(line->calls, 1);
  std::vector<std::string> opened = sim::OutputTexts(sim::OutputKind::CompletionOpen);
  EXPECT_EQ(opened, std::vector<std::string>{"Drawing the contents:"});
  EXPECT_EQ(CountBars(sim::OutputKind::CompletionUpdate), 12);
}

TEST_F(OutputTableToDgnTest, ContentsBarCountsThreeStepsPerCellRoundedDown) {
  struct Case {
    const char* name;
    std::vector<int> cellsPerRow;
    std::vector<int> percents;
  } cases[] = {
      {"two by two", {2, 2}, {8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}},
      {"a row shorter than the first", {3, 1}, {8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}},
      {"one cell", {1}, {33, 66, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Rows.clear();
    for (int n : c.cellsPerRow) {
      CQuorvelleRow row;
      row.Cells.resize(n);
      table.Rows.push_back(row);
    }
    sim::ClearOutputLog();
    CQVUtiMStation::OutputTableTextAndBK(table, NewTableCell());
    mdlElmdscr_freeAll(&cell);

    std::vector<sim::OutputEvent> bars = BarEvents();
    ASSERT_EQ(bars.size(), c.percents.size() + 2);
    EXPECT_EQ(bars.front().text, "Drawing the contents:");
    EXPECT_EQ(bars.back().kind, sim::OutputKind::CompletionClose);
    std::vector<int> percents;
    for (size_t i = 1; i + 1 < bars.size(); ++i) {
      EXPECT_EQ(bars[i].text, "Drawing the contents:");
      percents.push_back(bars[i].percent);
    }
    EXPECT_EQ(percents, c.percents);
  }
}

TEST_F(OutputTableToDgnTest, BorderBarParsesThenDraws) {
  AddGrid(1, 1);
  CAutoBorder thin;
  thin.LineStyle = xlContinuous;
  thin.Weight = xlThin;
  thin.DeriveStyle(table.Setup);
  for (int side : {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight}) table.Cell(0, 0).Borders.Edges[side] = thin;
  sim::ClearOutputLog();
  EXPECT_EQ(CQVUtiMStation::DrawBorders(table, NewTableCell()), 1);
  std::vector<sim::OutputEvent> bars = BarEvents();
  ASSERT_GE(bars.size(), 2u);
  EXPECT_EQ(bars.front().kind, sim::OutputKind::CompletionOpen);
  EXPECT_EQ(bars.front().text, "Parsing the borders:");
  EXPECT_EQ(bars.back().kind, sim::OutputKind::CompletionClose);
  // The cell and the three cells closing the table are parsed, the four sides joined
  // and drawn, all in the one bar.
  std::vector<std::string> shown;
  for (size_t i = 1; i + 1 < bars.size(); ++i) shown.push_back(bars[i].text + " " + std::to_string(bars[i].percent));
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Parsing the borders: 25", "Parsing the borders: 50", "Parsing the borders: 75",
                       "Parsing the borders: 100", "Processing the borders: 0", "Processing the borders: 25",
                       "Processing the borders: 50", "Processing the borders: 75", "Processing the borders: 100",
                       "Drawing the borders: 0", "Drawing the borders: 25", "Drawing the borders: 50",
                       "Drawing the borders: 75", "Drawing the borders: 100"}));
  int lines = 0;
  for (const MSElementDescr* m = cell->h.firstElem; m; m = m->h.next) lines += m->el.type == LINE_ELM;
  EXPECT_EQ(lines, 4);

  table.Setup.ImportObj = 255 & ~kImportBorders;
  sim::ClearOutputLog();
  EXPECT_EQ(CQVUtiMStation::DrawBorders(table, cell), 0);
  EXPECT_TRUE(BarEvents().empty());
}

TEST_F(OutputTableToDgnTest, HostTransformationAndBarsComeBackOnEveryPath) {
  enum class Ending { Pending, Placed, ObjectFails, CellRefused };
  struct Case {
    const char* name;
    Ending ending;
    int result;
    int lastStep;
  } cases[] = {
      {"left pending", Ending::Pending, 1, 10},
      {"placed", Ending::Placed, 1, 10},
      {"a drawing object throws", Ending::ObjectFails, -1, 8},
      {"the design file refuses the cell", Ending::CellRefused, 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::ResetHost();
    sim::SetUnits(1000, 10, UNIT_METRES, UNIT_MILLIMETRES);
    table.Reset();
    AddGrid(2, 2);
    AddLine(table, 0, 10)->fails = c.ending == Ending::ObjectFails;
    if (c.ending == Ending::CellRefused) sim::FailOperation("mdlElmdscr_add");
    NewTableCell();
    DPoint3d origin{10, 20, 0};
    const DPoint3d* at = c.ending == Ending::Pending ? nullptr : &origin;

    if (c.ending == Ending::ObjectFails)
      EXPECT_THROW(CQVUtiMStation::OutputTableToDgn(table, cell, at, kFuncCreate), std::runtime_error);
    else
      EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, at, kFuncCreate), c.result);

    EXPECT_EQ(operationName, "CQVUtiMStation::OutputTableToDgn");
    EXPECT_EQ(operationStep, c.lastStep);
    EXPECT_EQ(crashName, "CQVUtiMStation::OutputTableToDgn");
    EXPECT_EQ(crashStep, c.lastStep);
    EXPECT_EQ(CountBars(sim::OutputKind::CompletionOpen), CountBars(sim::OutputKind::CompletionClose));
    EXPECT_DOUBLE_EQ(LengthOfAUnitLineNow(), 1.0);
    if (c.ending == Ending::CellRefused) {
      EXPECT_EQ(cell, nullptr);
      EXPECT_EQ(sim::OutputTexts(sim::OutputKind::Error),
                std::vector<std::string>{"The table could not be added to the design file."});
    }
    mdlElmdscr_freeAll(&cell);
  }
}

TEST_F(OutputTableToDgnTest, WithoutAnOptionSetInForceTheTablesOwnIsUsed) {
  currentOptionSet = nullptr;
  AddGrid(1, 1);
  table.Setup.ImportObj = 0;
  NewTableCell();
  EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, nullptr, kFuncCreate), 1);
  EXPECT_EQ(currentOptionSet, nullptr);
  EXPECT_EQ(sim::OutputTexts(sim::OutputKind::CompletionOpen), std::vector<std::string>{"Drawing the contents:"});
}
