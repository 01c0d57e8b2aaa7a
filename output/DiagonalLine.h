// A diagonal border line of a cell, drawn like a thin border whatever its weight's
// colour option says, on the level of its weight.
#pragma once

#include "host/mselmdscr.h"

class CAutoBorder;

// Appends the line from start to end; 1 when appended, else 0.
int AppendDiagonalLine(const CAutoBorder& edge, const DPoint3d& start, const DPoint3d& end, MSElementDescr* cellDscr);
