// Merged areas: text only in the top-left cell, no edges inside the area.
#include <string>

#include "model/MergedCell.h"
#include "tests/model/ModelTestSupport.h"

namespace {

// A cell with text, both cell strings and all six edges drawn.
CAutoCell FramedCell(const std::string& address, const std::string& mergeAddress) {
  CAutoCell cell;
  cell.Address = address;
  cell.MergeAddress = mergeAddress;
  cell.SetText(u"\uFEFFtext");
  cell.TextInfo1 = "info1";
  cell.TextInfo2 = "info2";
  for (CAutoBorder& edge : cell.Borders.Edges) edge.StyleName = "CONTINUOUS";
  return cell;
}

// The edges still drawn, as letters: T top, B bottom, L left, R right, d diagonal
// down, u diagonal up.
std::string DrawnEdges(const CAutoCell& cell) {
  std::string drawn;
  const std::pair<int, char> letters[] = {{kEdgeTop, 'T'},          {kEdgeBottom, 'B'},      {kEdgeLeft, 'L'},
                                          {kEdgeRight, 'R'},        {kEdgeDiagonalDown, 'd'}, {kEdgeDiagonalUp, 'u'}};
  for (auto [position, letter] : letters)
    if (!cell.Borders.Edges[position].StyleName.empty()) drawn += letter;
  return drawn;
}

struct Case {
  const char* address;
  const char* mergeAddress;
  bool keepsText;
  const char* drawnEdges;
};

TEST(MergedCellTest, OnlyTheAreasOuterEdgesAndTopLeftTextRemain) {
  const Case cases[] = {
      // A 3 x 3 area.
      {"$B$3", "$B$3:$D$5", true, "TLdu"},
      {"$C$3", "$B$3:$D$5", false, "T"},
      {"$D$3", "$B$3:$D$5", false, "TR"},
      {"$B$4", "$B$3:$D$5", false, "L"},
      {"$C$4", "$B$3:$D$5", false, ""},
      {"$D$5", "$B$3:$D$5", false, "BR"},
      // One row.
      {"$B$3", "$B$3:$D$3", true, "TBLdu"},
      {"$C$3", "$B$3:$D$3", false, "TB"},
      {"$D$3", "$B$3:$D$3", false, "TBR"},
      // Two-letter columns: AA is 27, AB is 28.
      {"$AA$3", "$AA$3:$AB$4", true, "TLdu"},
      {"$AB$4", "$AA$3:$AB$4", false, "BR"},
      // Addresses that do not parse keep every edge; the text rule still holds.
      {"$AAB$4", "$AAA$3:$AAB$4", false, "TBLRdu"},
      {"$AAA$3", "$AAA$3:$AAB$4", true, "TBLRdu"},
      {"$C$3", "$B$3", false, "TBLRdu"},       // no ':'
      {"$C$3", "$B$3:", false, "TBLRdu"},      // no bottom-right corner
      {"C3", "$B$3:$D$5", false, "TBLRdu"},
      // Not merged.
      {"$C$3", "$C$3", true, "TBLRdu"},
      {"$C$3", "", true, "TBLRdu"},
      {"", "$B$3:$D$5", true, "TBLRdu"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.address) + " in " + k.mergeAddress);
    CAutoCell cell = FramedCell(k.address, k.mergeAddress);
    NormaliseMergedCell(cell);
    EXPECT_EQ(k.keepsText, cell.HasText());
    EXPECT_EQ(k.keepsText, !cell.TextInfo1.empty() && !cell.TextInfo2.empty());
    EXPECT_EQ(k.drawnEdges, DrawnEdges(cell));
  }
}

}  // namespace
