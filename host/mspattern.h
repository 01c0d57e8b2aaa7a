// Patterning: hatching an area with parallel lines.
#pragma once

#include "host/mselmdscr.h"

// The most lines one hatch makes; a hatch that would make more makes none.
constexpr int MAX_HATCH_LINES = 100000;

// Hatches the area inside the boundary (a shape) and outside the holes (shapes
// linked by h.next; may be null) with lines at `angle` (radians, from the x axis)
// `space` apart, one of them through `origin` (the boundary's first point when
// null). Angle, spacing and origin are in the units of the current transformation;
// the lines lie at the height (z) of the boundary's first point. `view` is the view
// the hatch is made in: a flat design looks the same in every view. Each line is an
// element of its own with the template's level and symbology (the active ones
// without a template). `option` is 0.
// *patternEdPP receives the lines as a chain of descriptors linked by h.next, or null
// when no line crosses the area; the caller frees it. ERROR, with no lines, when an
// argument is missing or not finite, the spacing is not positive, the boundary is
// not a shape, or more than MAX_HATCH_LINES lines would be made.
StatusInt mdlPattern_hatch(MSElementDescr** patternEdPP, const MSElementDescr* boundaryEdP,
                           const MSElementDescr* holeEdP, const MSElement* templateP, double angle, double space,
                           int view, int option, const DPoint3d* originP);
