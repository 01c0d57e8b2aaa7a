// A number's displayed text as Excel shows it in the width its cell has: shortened
// under General, filled with '#' when it does not fit, as Range.Text reports it.
#pragma once

#include <cstddef>

#include "sim/excel/numfmt/NumberFormat.h"
#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// Excel keeps 2 pixels free on either side of a cell's text and 1 for the grid line:
// a column n digits wide is n digit widths and these pixels (see StoredColumnWidth).
constexpr int kCellPaddingPixels = 5;
// Excel shows no more than this many characters in a cell; a very wide merged area
// shows no more '#' either.
constexpr std::size_t kMaxShownCharacters = 1024;

// The text of a number (see NumberFit) in a cell whose column, or merged area, is
// `cellPixels` wide, measured in the cell's font: kept when it fits the width less
// the padding; under General shortened until it fits; else as many '#' as fit (at
// least one). A value the format cannot show is all '#' at any width. A hidden
// column (no width) keeps the text as it is; so do texts, booleans and errors.
DisplayedText FitToColumn(DisplayedText shown, double value, const FontData& font, long long cellPixels);

}  // namespace sim
