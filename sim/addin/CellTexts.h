// The texts of one cell as the add-in sends them: the text Excel shows, the value
// behind it, and the description of the runs of a rich text.
#pragma once

#include <optional>
#include <string>

#include "sim/excel/numfmt/NumberFormat.h"
#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// Range.Text: the value under the cell's number format ("" for an empty cell) as the
// cell shows it in its width, `cellPixels` being that of its column or merged area
// (FitToColumn), and the colour section that shows it, if any. A cell that shrinks
// its text to fit, or turns it, shows the number whole.
DisplayedText DisplayedTextOf(const CellData& cell, bool date1904, const CellStyle& style, long long cellPixels);
// The value as text: numbers in their shortest exact form, TRUE or FALSE, texts and
// errors as they are.
std::string ValueText(const CellData& cell);
// "Font|b1|i0|s1|endIndex:..." for the runs of a rich text, end indices counted in
// UTF-16 units of the text; runs without a font of their own take the cell's. Empty
// when the text has no runs, or when the description would not fit in `capacity`
// bytes or could not be read back (a font name holding '|' or ':').
std::string RunDescription(const CellText& text, const FontData& cellFont, std::size_t capacity);

}  // namespace sim
