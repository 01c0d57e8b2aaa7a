// A long table set as several columns side by side: the rows flow down the first
// column until one no longer fits under the column height, then continue at the top
// of the next column.
#pragma once

class CQuorvelle;
class QuorvelleSetup;

// Moves the rows into columns when the option set asks for it and its two picked
// corners (master units) span a width and a height; every cell of the row above a
// new column gets ColumnBreakAfter. A row taller than the column stays whole in one
// column, the first one included.
void SplitRowsIntoColumns(CQuorvelle& table, const QuorvelleSetup& setup);
