// Lines with their arrowheads, and connectors: straight ones drawn as lines, elbow
// (and curved) ones as line strings with two bends.
#pragma once

#include "host/mselement.h"
#include "host/msgeom.h"
#include "model/CAutoShape.h"

class CLineShape : public CAutoShape {
 public:
  const char* GetRuntimeClassName() const override { return "CLineShape"; }

  // The ends from the box's corners: top-left to bottom-right unless flipped.
  void SetFromBox(double left, double top, double width, double height, bool verticalFlip, bool horizontalFlip);
  // The arrowheads, then the line between them when it is visible.
  int Draw(MSElementDescr* cellDscr) override;

  // Office's arrowhead styles and size codes; 1 is no arrowhead.
  int BeginArrowStyle = 1;
  int BeginArrowLength = 2;
  int BeginArrowWidth = 2;
  int EndArrowStyle = 1;
  int EndArrowLength = 2;
  int EndArrowWidth = 2;
  DPoint3d StartPoint;  // master units, y upwards
  DPoint3d EndPoint;

 protected:
  // Draws the arrowhead of the begin or end, pointing from `from` to the tip; the
  // point where the line must stop.
  DPoint3d DrawArrowhead(bool atBegin, const DPoint3d& tip, const DPoint3d& from, const DPoint3d& centre,
                         MSElementDescr* cellDscr) const;
  // Gives a line element of the object its colour, weight, style and level, turns it
  // about the centre and appends it.
  void AppendLine(MSElement& element, const DPoint3d& centre, MSElementDescr* cellDscr) const;
};

class CConnectorShape : public CLineShape {
 public:
  const char* GetRuntimeClassName() const override { return "CConnectorShape"; }

  int Draw(MSElementDescr* cellDscr) override;

  int ConnectorType = 1;  // Office's: 1 straight, 2 elbow, 3 curved
  double ElbowRatio = 0.5;  // where the bend lies across the box's width
};
