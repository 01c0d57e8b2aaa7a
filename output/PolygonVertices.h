// The outlines of the AutoShapes drawn as polygons, in the table's plane (y upwards)
// and unturned: the box's top edge lies at y = -top.
#pragma once

#include <vector>

#include "host/msgeom.h"

struct PolygonBox {
  double left, top, width, height;
  double adjustment1, adjustment2;  // as Excel gives them
  int excelVersion;                 // block arrows read their adjustments by it
};

// The vertices of the AutoShape type, the first repeated last (a rounded rectangle:
// the ends of its four sides, V0 to V8); empty for a type without a figure.
std::vector<DPoint3d> PolygonVertices(int autoShapeType, const PolygonBox& box);
