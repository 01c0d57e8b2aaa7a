// Merged areas: only the top-left cell of a merged area keeps its text, and the
// edges inside the area are not drawn.
#pragma once

class CAutoCell;

// Removes the text of a cell that is not the top-left cell of its merged area and
// empties the style names of its edges that lie inside the area. A cell that is not
// merged, or whose addresses do not parse, keeps its edges.
void NormaliseMergedCell(CAutoCell& cell);
