// How far the texts of a row may run over their neighbours, as a sheet shows them:
// a one-line horizontal text wider than its cell spills into the empty cells beside
// it, in the direction its alignment sends it, and ends where a cell holds something.
#pragma once

#include <vector>

class CAutoCell;

// The widths, in table units, of the empty cells a cell's text may cover to its left
// and to its right; both 0 for a text that does not spill.
struct CTextSpill {
  double left = 0;
  double right = 0;
};

// The spill of every cell of a row, cells given left to right, with the option set in
// force. Empty cells between a text spilling right and one spilling left go to the
// first as far as it reaches into them, the rest to the second, so that no two texts
// are drawn over each other.
std::vector<CTextSpill> RowTextSpills(const std::vector<CAutoCell>& cells);
