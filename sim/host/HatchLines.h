// The geometry of a hatch: parallel lines clipped to polygons. Internal to the
// stand-ins.
#pragma once

#include <vector>

#include "host/msgeom.h"

namespace sim {

struct HatchLine {
  DPoint3d start;
  DPoint3d end;
};

// The pieces of the lines along `direction` (a unit vector in the xy plane),
// `spacing` apart with one of them through `origin`, that lie inside the loops by
// the even-odd rule (inside an outer loop and outside the holes in it), at the
// height `z`. The loops are closed polygons in the xy plane, their last point joined
// back to the first. Lines that only touch the loops' outermost points are left out.
// False, with no pieces, when more than `maxLines` lines or pieces would be made.
bool HatchLoops(const std::vector<std::vector<DPoint3d>>& loops, const DPoint3d& origin, const DPoint3d& direction,
                double spacing, double z, long maxLines, std::vector<HatchLine>* pieces);

}  // namespace sim
