// Ovals and arcs: ellipses of a box, and the part of an ellipse an Excel arc shows.
#pragma once

#include "host/msgeom.h"
#include "model/CAutoShape.h"

class COvalShape : public CAutoShape {
 public:
  const char* GetRuntimeClassName() const override { return "COvalShape"; }

  // The ellipse inscribed in the box, turned by the rotation (set it first).
  void SetFromBox(double left, double top, double width, double height);
  // The fill (opaque, visible and not white) and the outline when the line is
  // visible; nothing (0) when a radius is below 1e-6.
  int Draw(MSElementDescr* cellDscr) override;

  DPoint3d Centre;
  double RadiusX = 0;
  double RadiusY = 0;
  RotMatrix RotationMatrix;
  int FillColor = 0xFFFFFF;  // Excel RGB value
  int FillVisible = 1;
};

class CArcShape : public CAutoShape {
 public:
  const char* GetRuntimeClassName() const override { return "CArcShape"; }

  // The arc of an Excel arc shape from the start to the end angle (degrees clockwise
  // from three o'clock, as Excel's adjustments give them). Excel before 2007 (version
  // 12) gives the box of the arc itself: the ellipse is the one whose part between the
  // two angles fills it, and the box becomes the ellipse's. Later versions give the
  // ellipse's box, and the arc runs clockwise on it from the start to the end. False,
  // with the message, when an angle cannot be placed in a quadrant. Set the version
  // first.
  bool SetFromBox(double left, double top, double width, double height, double startDegrees, double endDegrees,
                  bool verticalFlip, bool horizontalFlip);
  // The arc in the line colour and weight when the line is visible, turned by the
  // rotation about the centre of the shape's box; nothing (0) when a radius is below 1e-6.
  int Draw(MSElementDescr* cellDscr) override;

  DPoint3d Centre;
  double RadiusX = 0;
  double RadiusY = 0;
  double StartAngle = 0;  // radians, counter-clockwise
  double EndAngle = 0;
  DPoint3d BoxCentre;  // of the box Excel gave, which the arc turns about

 private:
  bool SetFromArcBox(double startDegrees, double endDegrees, bool verticalFlip, bool horizontalFlip);
  void SetFromEllipseBox(double startDegrees, double endDegrees, bool verticalFlip, bool horizontalFlip);
};
