// Where a sheet shows a cell's text and what of it: texts too wide for their cells
// spill over empty neighbours and end where a neighbour holds something, and turned
// and stacked texts sit in their cells by the cell's alignments.
#include <cmath>
#include <string>
#include <vector>

#include "host/mstext.h"
#include "model/CQuorvelle.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "tests/output/TextTestSupport.h"

namespace {

struct SheetCell {
  std::u16string text;  // empty: an empty cell
  int horizontal = xlGeneral;
  bool merged = false;  // a cell of a merged area (not its first)
};

struct TextExtent {
  std::u16string text;
  double left = 0, right = 0;
};

}  // namespace

class CellTextLayoutTest : public CellTextTest {
 protected:
  // One row of cells 30 wide and 20 high from x = 0, drawn by the output driver.
  std::vector<TextExtent> DrawRow(const std::vector<SheetCell>& sheet) {
    table.Rows.clear();
    CQuorvelleRow row;
    double left = 0;
    int column = 0;
    for (const SheetCell& s : sheet) {
      CAutoCell c = TextCell(s.text.empty() ? u"-" : s.text, 30);
      if (s.text.empty()) c.RemoveText();
      c.Left = left;
      c.Address = "$" + std::string(1, static_cast<char>('A' + column++)) + "$1";
      c.MergeAddress = s.merged ? "$A$1:$Z$1" : c.Address;
      c.HorizontalAlignment = s.horizontal;
      row.Cells.push_back(c);
      left += 30;
    }
    table.Rows.push_back(row);
    mdlElmdscr_freeAll(&cell);
    CQVUtiMStation::OutputTableTextAndBK(table, NewTableCell());
    std::vector<TextExtent> extents;
    for (const MSElementDescr* m = cell->h.firstElem; m; m = m->h.next) {
      if (m->el.type != TEXT_ELM) continue;
      DPoint3d shape[5];
      EXPECT_EQ(SUCCESS, mdlText_extractShape(shape, nullptr, &m->el, 0, 0));
      std::u16string text = m->el.text;
      if (!text.empty() && text[0] == kByteOrderMark) text.erase(0, 1);
      extents.push_back({text, std::min(shape[0].x, shape[1].x), std::max(shape[0].x, shape[1].x)});
    }
    return extents;
  }
};

// Characters of the active font are 9 wide; cells 30, the left margin 3.
TEST_F(CellTextLayoutTest, TextsSpillIntoEmptyNeighboursAndEndWhereANeighbourHoldsText) {
  struct Case {
    const char* name;
    std::vector<SheetCell> row;
    std::vector<TextExtent> drawn;
  } cases[] = {
      {"five adjacent headings each end at the next one's edge",
       {{u"Data Bar"}, {u"Color Scale"}, {u"Greater than"}, {u"Top 10"}, {u"Duplicate"}},
       {{u"Dat", 3, 30}, {u"Col", 33, 60}, {u"Gre", 63, 90}, {u"Top", 93, 120}, {u"Dup", 123, 150}}},
      {"a long text across two empty cells, cut at the third",
       {{u"abcdefghijkl"}, {}, {}, {u"x"}},
       {{u"abcdefghi", 3, 84}, {u"x", 93, 102}}},
      {"a text that fits the empty cells is drawn whole", {{u"abcdefgh"}, {}, {}}, {{u"abcdefgh", 3, 75}}},
      {"a right-aligned text spills to the left and keeps its end",
       {{u"q"}, {}, {}, {u"abcdefghijkl", xlRight}},
       {{u"q", 3, 12}, {u"defghijkl", 36, 117}}},
      {"a centred text spills both ways equally", {{}, {u"abcdefgh", xlCenter}, {}}, {{u"abcdefgh", 9, 81}}},
      {"a centred text between full cells keeps its middle",
       {{u"q"}, {u"abcdefgh", xlCenter}, {u"r"}},
       {{u"q", 3, 12}, {u"de", 36, 54}, {u"r", 63, 72}}},
      {"empty cells wanted from both sides: the left text takes those it reaches into",
       {{u"abcdefghij"}, {}, {}, {}, {u"abcdefghij", xlRight}},
       {{u"abcdefghij", 3, 93}, {u"hij", 120, 147}}},
      {"and leaves the rest to the right one", {{u"abcdef"}, {}, {}, {u"abcdefghij", xlRight}},
       {{u"abcdef", 3, 57}, {u"efghij", 63, 117}}},
      {"a merged cell beside the text stops it", {{u"abcdefgh"}, {{}, xlGeneral, true}}, {{u"abc", 3, 30}}},
      {"the table's edge stops it", {{}, {u"abcdefgh"}}, {{u"abc", 33, 60}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<TextExtent> drawn = DrawRow(c.row);
    ASSERT_EQ(drawn.size(), c.drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
      EXPECT_EQ(drawn[i].text, c.drawn[i].text) << i;
      EXPECT_NEAR(drawn[i].left, c.drawn[i].left, 1e-9) << i;
      EXPECT_NEAR(drawn[i].right, c.drawn[i].right, 1e-9) << i;
      if (i > 0) {
        EXPECT_LE(drawn[i - 1].right, drawn[i].left) << "texts overlap";
      }
    }
  }
}

TEST_F(CellTextLayoutTest, AWrappedTextBreaksAndACellDrawnWithoutItsRowIsWhole) {
  // Wrapped text breaks into lines instead; a text drawn without its row runs on.
  CAutoCell wrapped = TextCell(u"abcdefgh", 30);
  wrapped.WrapText = 1;
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(wrapped, cell), 1);
  EXPECT_EQ(Drawn().front().type, TEXT_NODE_ELM);
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(TextCell(u"abcdefgh", 30), cell), 1);
  EXPECT_EQ(Drawn().front().text, u"abcdefgh");
}

TEST_F(CellTextLayoutTest, TurnedAndStackedTextsSitInTheirCellsByTheirAlignments) {
  // The cell is 60 x 20 at (10, 5); "ab" is 18 long and 10 high.
  const double r = std::sqrt(0.5), c30 = std::sqrt(3.0) / 2;
  struct Case {
    const char* name;
    int orientation, horizontal, vertical;
    double x, y, degrees;
  } cases[] = {
      {"45 degrees, left and bottom: its box rests on the bottom margin", 45, xlLeft, xlBottom, 13 + 14 * r,
       -22 + 14 * r, 45},
      {"-30 degrees, centred at the top", -30, xlCenter, xlTop, 40, -8 - (4.5 + 5 * c30), -30},
      {"60 degrees, right and middle", 60, xlRight, xlCenter, 67 - (4.5 + 5 * c30), -15, 60},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    CAutoCell text = TextCell(u"ab");
    text.Orientation = k.orientation;
    text.HorizontalAlignment = k.horizontal;
    text.VerticalAlignment = k.vertical;
    ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(text, cell), 1);
    const auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, u"ab");
    EXPECT_EQ(drawn[0].just, TXTJUST_CC);
    EXPECT_NEAR(drawn[0].x, k.x, 1e-9);
    EXPECT_NEAR(drawn[0].y, k.y, 1e-9);
    EXPECT_NEAR(drawn[0].degrees, k.degrees, 1e-9);
  }

  // Stacked: one upright character per line, the column centred on its place.
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  CAutoCell stacked = TextCell(u"a\xFEFF" u"b\nc", 60, 60);
  stacked.Orientation = xlVertical;
  stacked.VerticalAlignment = xlTop;
  ASSERT_EQ(CQVUtiMStation::DrawAutoCellText(stacked, cell), 1);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].type, TEXT_NODE_ELM);
  EXPECT_NEAR(drawn[0].x, 10 + 3 + 4.5, 1e-9);
  EXPECT_NEAR(drawn[0].y, -5 - 3 - (30 + 2 * 3.6) / 2, 1e-9);
  const std::u16string letters[] = {u"a", u"b", u"c"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(drawn[i + 1].text, letters[i]);
    EXPECT_NEAR(drawn[i + 1].degrees, 0, 1e-9);
    EXPECT_NEAR(drawn[i + 1].x, 13, 1e-9) << "one column";
    if (i > 0) {
      EXPECT_NEAR(drawn[i].y - drawn[i + 1].y, 13.6, 1e-9) << "top to bottom";
    }
  }
}
