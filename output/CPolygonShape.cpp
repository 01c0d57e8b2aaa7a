#include "output/CPolygonShape.h"

#include <cmath>

#include "automation/ShapeRecordLayout.h"
#include "output/PolygonVertices.h"
#include "output/ShapeElements.h"
#include "output/WorkingView.h"

namespace {

// Excel draws a flipped or turned shape flipped in its own box first, then turned
// about the box's centre.
void FlipAndTurn(std::vector<DPoint3d>& vertices, const DPoint3d& centre, bool verticalFlip, bool horizontalFlip,
                 double radians) {
  const double c = std::cos(radians), s = std::sin(radians);
  for (DPoint3d& v : vertices) {
    double dx = v.x - centre.x, dy = v.y - centre.y;
    if (horizontalFlip) dx = -dx;
    if (verticalFlip) dy = -dy;
    v.x = centre.x + c * dx - s * dy;
    v.y = centre.y + s * dx + c * dy;
  }
}

bool IsWhite(int excelColour) { return (excelColour & 0xFFFFFF) == 0xFFFFFF; }

}  // namespace

void CPolygonShape::SetFromBox(double left, double top, double width, double height, double adjustment1,
                               double adjustment2, bool verticalFlip, bool horizontalFlip) {
  Left = left, Top = top, Width = width, Height = height;
  Centre = DPoint3d{left + width / 2, -top - height / 2, 0};
  Vertices = PolygonVertices(AutoShapeType, PolygonBox{left, top, width, height, adjustment1, adjustment2, ExcelVersion});
  // A rounded rectangle looks the same flipped; it is turned when drawn, with its arcs.
  if (AutoShapeType != kMsoShapeRoundedRectangle)
    FlipAndTurn(Vertices, Centre, verticalFlip, horizontalFlip, Rotation * fc_pi / 180.0);
}

int CPolygonShape::Draw(MSElementDescr* cellDscr) {
  if (!DrawsObjects()) return 1;
  if (Vertices.size() <= 3) return 0;
  if (AutoShapeType == kMsoShapeRoundedRectangle && Vertices.size() == 9) return DrawRoundedRectangle(cellDscr);
  const UInt32 weight = ShapeWeight(LineWeight);
  const int count = static_cast<int>(Vertices.size());
  MSElement shape;
  if (FillTransparency < 1e-6 && FillVisible && !IsWhite(FillColor) &&
      mdlShape_create(&shape, nullptr, Vertices.data(), count, FILL_OPAQUE) == SUCCESS) {
    SetShapeSymbology(shape, FillColor, weight);
    AppendShapeElement(shape, Centre, 0, cellDscr);
  }
  if (LineVisible && mdlShape_create(&shape, nullptr, Vertices.data(), count, FILL_NONE) == SUCCESS) {
    SetShapeSymbology(shape, LineColor, weight);
    AppendShapeElement(shape, Centre, 0, cellDscr);
  }
  return 1;
}

// Four sides and four quarter arcs round the corners, whatever the line's visibility
// says; a rounded rectangle is never filled.
int CPolygonShape::DrawRoundedRectangle(MSElementDescr* cellDscr) const {
  const std::vector<DPoint3d>& v = Vertices;
  const UInt32 weight = ShapeWeight(LineWeight);
  for (int side = 0; side < 4; ++side) {
    MSElement line;
    const DPoint3d ends[2] = {v[2 * side], v[2 * side + 1]};
    if (mdlLine_create(&line, nullptr, ends) != SUCCESS) continue;
    SetShapeSymbology(line, LineColor, weight);
    AppendShapeElement(line, Centre, Rotation, cellDscr);
  }
  struct Corner {
    DPoint3d start, centre, end;
  };
  const Corner corners[4] = {{v[2], DPoint3d{v[1].x, v[2].y, 0}, v[1]},
                             {v[4], DPoint3d{v[4].x, v[3].y, 0}, v[3]},
                             {v[6], DPoint3d{v[5].x, v[6].y, 0}, v[5]},
                             {v[8], DPoint3d{v[8].x, v[7].y, 0}, v[7]}};
  for (const Corner& corner : corners) {
    MSElement arc;
    if (mdlArc_createByCenter(&arc, nullptr, &corner.start, &corner.centre, &corner.end, CommandView()) != SUCCESS)
      continue;
    SetShapeSymbology(arc, LineColor, weight);
    AppendShapeElement(arc, Centre, Rotation, cellDscr);
  }
  return 1;
}
