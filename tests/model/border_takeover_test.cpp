// Which of two edges on the line two neighbouring cells share is drawn: the one of
// higher priority, and between cells that hidden columns or rows separate, the
// heavier line.
#include <cmath>
#include <set>

#include "tests/model/BorderTestSupport.h"

namespace {

constexpr int kNeighbourColour = 0x0000FF;
constexpr int kOwnColour = 0x00FF00;
constexpr int kNothing = -1;

}  // namespace

using BorderTakeoverTest = BorderTest;

TEST_F(BorderTakeoverTest, TheSharedLineShowsTheEdgeThatWins) {
  enum Form { Columns, Rows };
  struct Case {
    const char* name;
    Form form;
    const char* neighbourAddress;  // the cell left of (or above) the cell at $C$3
    const char* ownAddress;
    int neighbourStyle, neighbourWeight, neighbourPriority;
    int ownStyle, ownWeight, ownPriority;
    int drawnColour;
  } cases[] = {
      {"priority 1 on the neighbour's edge", Columns, "$B$3", "$C$3", xlContinuous, xlThin, 1, xlContinuous,
       xlMedium, 0, kNeighbourColour},
      {"priority 1 on the cell's own edge", Columns, "$B$3", "$C$3", xlContinuous, xlMedium, 0, xlContinuous, xlThin,
       1, kOwnColour},
      {"priority decides across a hidden column too", Columns, "$A$3", "$C$3", xlContinuous, xlThin, 1,
       xlContinuous, xlMedium, 0, kNeighbourColour},
      {"adjacent cells of equal priority keep the cell's own", Columns, "$B$3", "$C$3", xlContinuous, xlMedium, 0,
       xlContinuous, xlThin, 0, kOwnColour},
      {"hidden column: medium beats thin", Columns, "$A$3", "$C$3", xlContinuous, xlMedium, 0, xlContinuous, xlThin,
       0, kNeighbourColour},
      {"hidden column: thin loses to medium", Columns, "$A$3", "$C$3", xlContinuous, xlThin, 0, xlContinuous,
       xlMedium, 0, kOwnColour},
      {"hidden column: double beats thick", Columns, "$A$3", "$C$3", xlDouble, xlThin, 0, xlContinuous, xlThick, 0,
       kNeighbourColour},
      {"hidden column: thick does not beat double", Columns, "$A$3", "$C$3", xlContinuous, xlThick, 0, xlDouble,
       xlThin, 0, kOwnColour},
      {"hidden column: double against double keeps the cell's own", Columns, "$A$3", "$C$3", xlDouble, xlThin, 0,
       xlDouble, xlThin, 0, kOwnColour},
      {"hidden column: continuous beats dashed at equal weight", Columns, "$A$3", "$C$3", xlContinuous, xlThin, 0,
       xlDash, xlThin, 0, kNeighbourColour},
      {"hidden column: dashed loses to continuous", Columns, "$A$3", "$C$3", xlDash, xlThin, 0, xlContinuous, xlThin,
       0, kOwnColour},
      {"hidden column: a dashed border beats no border", Columns, "$A$3", "$C$3", xlDash, xlThin, 0,
       xlLineStyleNone, xlThin, 0, kNeighbourColour},
      {"hidden column: no border never covers one", Columns, "$A$3", "$C$3", xlLineStyleNone, xlMedium, 0, xlDash,
       xlThin, 0, kOwnColour},
      {"a cell without address keeps its own", Columns, "$A$3", "", xlContinuous, xlMedium, 0, xlContinuous, xlThin,
       0, kOwnColour},
      {"an address that does not parse keeps its own", Columns, "$A$3", "$ABC$3", xlContinuous, xlMedium, 0,
       xlContinuous, xlThin, 0, kOwnColour},
      {"hidden row: medium beats thin", Rows, "$C$1", "$C$3", xlContinuous, xlMedium, 0, xlContinuous, xlThin, 0,
       kNeighbourColour},
      {"adjacent rows of equal priority keep the cell's own", Rows, "$C$2", "$C$3", xlContinuous, xlMedium, 0,
       xlContinuous, xlThin, 0, kOwnColour},
      {"nothing on either side", Rows, "$C$1", "$C$3", xlLineStyleNone, xlThin, 0, xlLineStyleNone, xlThin, 0,
       kNothing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Reset();
    CAutoBorder neighbourEdge = Edge(c.neighbourStyle, c.neighbourWeight, kNeighbourColour, c.neighbourPriority);
    CAutoBorder ownEdge = Edge(c.ownStyle, c.ownWeight, kOwnColour, c.ownPriority);
    CAutoCell neighbour = CellAt(c.neighbourAddress, 0, 0);
    CAutoCell own = c.form == Columns ? CellAt(c.ownAddress, 20, 0) : CellAt(c.ownAddress, 0, 10);
    if (c.form == Columns) {
      neighbour.Borders.Edges[kEdgeRight] = neighbourEdge;
      own.Borders.Edges[kEdgeLeft] = ownEdge;
      table.Rows.resize(1);
      table.Rows[0].Cells = {neighbour, own};
    } else {
      neighbour.Borders.Edges[kEdgeBottom] = neighbourEdge;
      own.Borders.Edges[kEdgeTop] = ownEdge;
      table.Rows.resize(2);
      table.Rows[0].Cells = {neighbour};
      table.Rows[1].Cells = {own};
    }

    // The shared line, with the strokes of a double line either side of it.
    std::set<int> colours;
    for (const CAutoLine& s : Process()) {
      const bool onLine = c.form == Columns ? std::fabs(s.Start.x - 20) <= 1 && std::fabs(s.End.x - 20) <= 1
                                            : std::fabs(s.Start.y + 10) <= 1 && std::fabs(s.End.y + 10) <= 1;
      if (onLine) colours.insert(s.Color);
    }
    EXPECT_EQ(colours, c.drawnColour == kNothing ? std::set<int>{} : std::set<int>{c.drawnColour});
  }
}
