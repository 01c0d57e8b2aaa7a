// Double borders reach half their gap beyond the cell's edge: fills widen to meet
// their outer stroke and diagonal lines stop at their inner one.
#pragma once

class CAutoBorders;

bool IsDoubleEdge(const CAutoBorders& borders, int position);
// Half the double-line gap of the option set in force; 0 when none is in force.
double HalfDoubleLineGap();
