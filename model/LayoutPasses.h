// The layout passes run on a table just before it is drawn, so that the drawing shows
// what Excel shows and follows the size options.
#pragma once

#include <string>
#include <vector>

class CQuorvelle;
class QuorvelleSetup;

// Turns each run of centre-across-selection cells (a cell with text followed by empty
// ones) into a merged area centred over the run; the row count.
int ApplyCentreAcrossSelection(CQuorvelle& table);
// Settles every merged area: only its top-left cell keeps a text and its inner edges
// go. Nothing for a table without rows or columns.
void NormaliseMergedCells(CQuorvelle& table);
// The size options' passes (ColumnWidths, RowHeights, FontSizes): lists of entries
// separated by ";", empty entries skipped, distances in master units of the active
// model (ParseDistance). An entry that does not read, or is not positive, keeps its
// column, row or size as it is; beyond the list its last entry goes on applying.

// Gives the columns the widths listed in the text, keeping them side by side.
void ChangeColumnWidths(CQuorvelle& table, const std::string& text);
// Gives the rows the heights listed in the text, keeping them one under another; the
// text margins of `setup` follow the smallest height.
void ChangeRowHeights(CQuorvelle& table, const std::string& text, QuorvelleSetup& setup);
// Gives the texts the heights and widths the text lists per Excel font size
// ("10:2.5*2" or "10:2.5"), other sizes in proportion to the last entry. Under
// CellScaleOpt 0 the cells follow their texts, and the margins and indent of `setup`
// with them.
void ChangeFontHeights(CQuorvelle& table, const std::string& text, QuorvelleSetup& setup);

// A distance in master units of the active model: "2.5" master units, "1:6" master
// and sub-units, 2' 6" or 6" feet and inches. 0 for an empty text; a part that
// does not read as a number counts as 0.
double ParseDistance(const std::string& text);
// The entries of a list of distances, in order.
std::vector<double> ParseDistances(const std::string& text);
