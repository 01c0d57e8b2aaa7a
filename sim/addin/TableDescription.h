// A readable description of what the add-in sends, turned into a transcript: the
// workbook's path, then per range its sheet, first cell, column widths and row
// heights in points and its rows of cells. Cells give only what differs from Excel's
// defaults. For example:
//   {"workbook": "Z:\\data\\Book1.xlsx",
//    "ranges": [{"sheet": "Sheet1", "origin": "B2", "columnWidths": [60, 40],
//                "rowHeights": [15, 15], "borders": {"all": "thin"},
//                "rows": [[{"text": "Item", "bold": true, "fill": "#DDEEFF"}, {"text": "Qty"}],
//                         [{"text": "Bolts"}, {"text": "12", "align": "right"}]]}]}
// Cell fields: text, font, size, bold, italic, underline, color, fill ("#RRGGBB"),
// pattern and patternColor (Excel's numbers), align (left, center, right, general,
// centerAcross), valign (top, center, bottom), wrap, indent, orientation (up, down),
// borders ({"all"|"top"|"bottom"|"left"|"right"|"diagonalUp"|"diagonalDown": thin,
// medium, thick, double, dashed, dotted, hair, dashDot, dashDotDot} with
// "borderColor"), merge ([columns, rows] from this cell), runs (a run description),
// placeholder (true: a record without an address). A range may give "end" (the end
// message's flags, 1 by default) and defaults for font, size and borders.
#pragma once

#include <string>

#include "sim/addin/Transcript.h"

namespace sim {

// False with the reason when the description is not sound.
bool TranscriptFromDescription(const std::string& jsonText, TranscriptWriter* transcript, std::string* error);

}  // namespace sim
