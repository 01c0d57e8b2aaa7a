// The layout passes run on a table just before it is drawn, so that the drawing shows
// what Excel shows and follows the size options.
#pragma once

#include <string>

class CQuorvelle;

// Turns each run of centre-across-selection cells (a cell with text followed by empty
// ones) into a merged area centred over the run; the row count.
int ApplyCentreAcrossSelection(CQuorvelle& table);
// Settles every merged area: only its top-left cell keeps a text and its inner edges
// go. Nothing for a table without rows or columns.
void NormaliseMergedCells(CQuorvelle& table);
// Gives the columns the widths listed in the text, keeping them side by side.
void ChangeColumnWidths(CQuorvelle& table, const std::string& text);
// Gives the rows the heights listed in the text, keeping them one under another.
void ChangeRowHeights(CQuorvelle& table, const std::string& text);
// Gives the texts the heights and widths the text lists per Excel font size.
void ChangeFontHeights(CQuorvelle& table, const std::string& text);
