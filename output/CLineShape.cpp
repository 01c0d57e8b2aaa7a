#include "output/CLineShape.h"

#include "automation/ShapeRecordLayout.h"
#include "output/CArrowShape.h"
#include "output/ShapeElements.h"

namespace {

DPoint3d Midpoint(const DPoint3d& a, const DPoint3d& b) { return DPoint3d{(a.x + b.x) / 2, (a.y + b.y) / 2, 0}; }

}  // namespace

void CLineShape::SetFromBox(double left, double top, double width, double height, bool verticalFlip,
                            bool horizontalFlip) {
  Left = left, Top = top, Width = width, Height = height;
  const double x1 = left, x2 = left + width, y1 = -top, y2 = -top - height;
  StartPoint = DPoint3d{horizontalFlip ? x2 : x1, verticalFlip ? y2 : y1, 0};
  EndPoint = DPoint3d{horizontalFlip ? x1 : x2, verticalFlip ? y1 : y2, 0};
}

DPoint3d CLineShape::DrawArrowhead(bool atBegin, const DPoint3d& tip, const DPoint3d& from, const DPoint3d& centre,
                                   MSElementDescr* cellDscr) const {
  CArrowShape arrowhead(atBegin ? BeginArrowStyle : EndArrowStyle, atBegin ? BeginArrowLength : EndArrowLength,
                        atBegin ? BeginArrowWidth : EndArrowWidth, tip, DirectionAngle(from, tip), LineWeight,
                        LineColor, Rotation, centre);
  arrowhead.Draw(cellDscr);
  return arrowhead.LineEnd;
}

void CLineShape::AppendLine(MSElement& element, const DPoint3d& centre, MSElementDescr* cellDscr) const {
  SetShapeSymbology(element, LineColor, ShapeWeight(LineWeight), StyleName.empty() ? 0 : StyleNumber);
  AppendShapeElement(element, centre, Rotation, cellDscr);
}

int CLineShape::Draw(MSElementDescr* cellDscr) {
  if (!DrawsObjects()) return 1;
  const DPoint3d centre = Midpoint(StartPoint, EndPoint);
  DPoint3d ends[2] = {StartPoint, EndPoint};
  if (BeginArrowStyle != kMsoArrowheadNone) ends[0] = DrawArrowhead(true, StartPoint, EndPoint, centre, cellDscr);
  if (EndArrowStyle != kMsoArrowheadNone) ends[1] = DrawArrowhead(false, EndPoint, StartPoint, centre, cellDscr);
  MSElement line;
  if (LineVisible && mdlLine_create(&line, nullptr, ends) == SUCCESS) AppendLine(line, centre, cellDscr);
  return 1;
}

int CConnectorShape::Draw(MSElementDescr* cellDscr) {
  if (ConnectorType == kMsoConnectorStraight) return CLineShape::Draw(cellDscr);
  if (!DrawsObjects()) return 1;
  const double bendX = StartPoint.x + ElbowRatio * Width;
  const DPoint3d bend1{bendX, StartPoint.y, 0}, bend2{bendX, EndPoint.y, 0};
  const DPoint3d centre = Midpoint(StartPoint, EndPoint);
  DPoint3d points[4] = {StartPoint, bend1, bend2, EndPoint};
  if (BeginArrowStyle != kMsoArrowheadNone) points[0] = DrawArrowhead(true, StartPoint, bend1, centre, cellDscr);
  if (EndArrowStyle != kMsoArrowheadNone) points[3] = DrawArrowhead(false, EndPoint, bend2, centre, cellDscr);
  MSElement lineString;
  if (LineVisible && mdlLineString_create(&lineString, nullptr, points, 4) == SUCCESS)
    AppendLine(lineString, centre, cellDscr);
  return 1;
}
