// The table's rotation as the settings keep it: one angle about z, in degrees.
#pragma once

#include "host/msgeom.h"

// The rotation about z by the angle in degrees less `viewRadians`, the rotation of
// the view the table is placed in (given in radians, as the host gives it).
RotMatrix RotationFromDegrees(double degrees, double viewRadians = 0.0);
// The angle about z that the rotation holds, in degrees.
double RotationToDegrees(const RotMatrix& rotation);
