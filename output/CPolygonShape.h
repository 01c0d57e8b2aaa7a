// Closed AutoShapes drawn as polygons: rectangles and text boxes, rounded rectangles,
// octagons, isosceles triangles, hexagons and the four block arrows.
#pragma once

#include <vector>

#include "host/msgeom.h"
#include "model/CAutoShape.h"

class CPolygonShape : public CAutoShape {
 public:
  const char* GetRuntimeClassName() const override { return "CPolygonShape"; }

  // The vertices of the AutoShape type in the box (points, y downwards; the vertices
  // go y upwards), mirrored by the flips and turned by the rotation about the box's
  // centre; adjustments as Excel gives them, read by the rules of the Excel version.
  // Set the AutoShape type, the rotation and the version first. A rounded rectangle
  // keeps its vertices unturned: its elements are turned as they are drawn. A type
  // without a figure leaves no vertices.
  void SetFromBox(double left, double top, double width, double height, double adjustment1, double adjustment2,
                  bool verticalFlip = false, bool horizontalFlip = false);

  // A filled shape in the fill colour (an opaque, visible fill that is not white), then
  // the outline when the line is visible; a rounded rectangle draws its four sides and
  // four corner arcs instead. Nothing (0) with three vertices or fewer.
  int Draw(MSElementDescr* cellDscr) override;

  std::vector<DPoint3d> Vertices;
  int FillColor = 0xFFFFFF;  // Excel RGB value
  int FillVisible = 1;
  DPoint3d Centre;  // of the box

 private:
  int DrawRoundedRectangle(MSElementDescr* cellDscr) const;
};
