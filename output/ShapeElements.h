// What the drawing objects share when they draw: geometry helpers in the table's
// plane (master units, y upwards) and the symbology of their elements.
#pragma once

#include "host/mselement.h"
#include "host/mselmdscr.h"
#include "host/msgeom.h"

// The point `distance` away from `point` in the direction `angle` (radians).
DPoint3d PointAt(const DPoint3d& point, double angle, double distance);
// The direction from one point to another in [0, 2 pi); 0 when they coincide.
double DirectionAngle(const DPoint3d& from, const DPoint3d& to);
// Turns the element about the centre by the angle in degrees (counter-clockwise);
// angles below 1e-6 leave it as it is.
void RotateElement(MSElement& element, const DPoint3d& centre, double degrees);

// Whether the option set in force draws drawing objects (its ImportObj).
bool DrawsObjects();
// The element weight of an object's line weight in points: its integer part, 0 below
// one point, never more than the host's heaviest weight.
UInt32 ShapeWeight(double lineWeight);
// Gives the element the colour nearest to the Excel colour, the weight, the line
// style and the level of drawing objects.
void SetShapeSymbology(MSElement& element, int excelColour, UInt32 weight, Int32 style = 0);
// Turns the element about the centre and appends it to the cell; 1 when appended.
int AppendShapeElement(MSElement& element, const DPoint3d& centre, double degrees, MSElementDescr* cellDscr);
