// The arrowhead at one end of a line or connector.
#pragma once

#include "host/mselement.h"
#include "output/CPolygonShape.h"

class CArrowShape : public CPolygonShape {
 public:
  const char* GetRuntimeClassName() const override { return "CArrowShape"; }

  // The arrowhead of the Office style with its tip at `tip`, pointing in the direction
  // (radians); the length and width are Office's codes (1 short or narrow, 3 long or
  // wide, else medium), grown with the line's weight from one point on. The line's
  // colour, weight and rotation (degrees, about `rotationCentre`) are the arrowhead's.
  CArrowShape(int style, int lengthCode, int widthCode, const DPoint3d& tip, double direction, double lineWeight,
              int lineColor, double rotation, const DPoint3d& rotationCentre);

  // Filled triangles, stealth arrows and diamonds, a filled circle for the oval, two
  // strokes for the open arrow; drawn whether the line is visible or not.
  int Draw(MSElementDescr* cellDscr) override;

  int ArrowStyle;
  DPoint3d LineEnd;  // where the line stops so as not to run through the arrowhead
  DPoint3d RotationCentre;

 private:
  int Append(MSElement& element, MSElementDescr* cellDscr) const;

  DPoint3d tip_;
  double ovalRadius_ = 0;
};
