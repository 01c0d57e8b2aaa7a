// One border segment to be drawn: an edge's attributes with its two end points and
// the grid position of the cell that produced it.
#pragma once

#include "host/msgeom.h"
#include "model/CAutoBorder.h"

class CAutoLine : public CAutoBorder {
 public:
  DPoint3d Start;
  DPoint3d End;
  int GridRow = -1;
  int GridColumn = -1;
};
