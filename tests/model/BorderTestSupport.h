// Tables of cells with edges, and the border segments made of them written out, for
// the tests of the border processing.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "model/BorderProcessing.h"
#include "model/CQuorvelle.h"
#include "model/ExcelConstants.h"
#include "tests/TestSupport.h"

class BorderTest : public HostTest {
 protected:
  // An edge as a cell record gives it, with the table's derived style and weight.
  CAutoBorder Edge(int lineStyle, int weight = xlThin, int colour = 0, unsigned char priority = 0) {
    CAutoBorder edge;
    edge.LineStyle = lineStyle;
    edge.Weight = weight;
    edge.Color = colour;
    edge.Priority = priority;
    edge.DeriveStyle(table.Setup);
    return edge;
  }

  // A cell `width` x `height` at the range position, with its address.
  static CAutoCell CellAt(const std::string& address, double left, double top, double width = 20,
                          double height = 10) {
    CAutoCell cell;
    cell.Address = cell.MergeAddress = address;
    cell.Left = left;
    cell.Top = top;
    cell.Width = cell.LayoutWidth = width;
    cell.Height = cell.LayoutHeight = height;
    return cell;
  }

  // Rows of cells 20 x 10 from A1, every edge of every cell as given.
  void AddGrid(int rows, int columns, const CAutoBorder& edge) {
    for (int r = 0; r < rows; ++r) {
      CQuorvelleRow row;
      for (int c = 0; c < columns; ++c) {
        std::string address = "$" + std::string(1, static_cast<char>('A' + c)) + "$" + std::to_string(r + 1);
        CAutoCell cell = CellAt(address, c * 20.0, r * 10.0);
        for (int side : {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight}) cell.Borders.Edges[side] = edge;
        row.Cells.push_back(cell);
      }
      table.Rows.push_back(row);
    }
  }

  std::vector<CAutoLine> Process() {
    std::vector<CAutoLine> segments;
    EXPECT_EQ(ProcessBorders(table, segments, nullptr), 1);
    return segments;
  }

  CQuorvelle table;
};

// "(x0,y0)-(x1,y1)" for each segment, sorted, so that expectations read as drawings.
inline std::vector<std::string> Drawn(const std::vector<CAutoLine>& segments) {
  std::vector<std::string> out;
  for (const CAutoLine& s : segments) {
    char text[96];
    std::snprintf(text, sizeof text, "(%g,%g)-(%g,%g)", s.Start.x, s.Start.y, s.End.x, s.End.y);
    out.push_back(text);
  }
  std::sort(out.begin(), out.end());
  return out;
}

inline std::vector<std::string> Sorted(std::vector<std::string> texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}
