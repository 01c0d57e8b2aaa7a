// The border processing: the edges of all cells of a table become the border line
// segments to draw, each shared grid line once.
#pragma once

#include <vector>

#include "model/CAutoLine.h"
#include "support/Progress.h"

class CQuorvelle;

// Appends the table's border segments, reporting how far it has come to `progress`
// when given; 0 for a table without rows or columns.
int ProcessBorders(CQuorvelle& table, std::vector<CAutoLine>& segments, CProgress* progress);
