#include "settings/OptionRotation.h"

// Degrees and radians convert with the host's own pi, so that an angle written and
// read back through the host's matrices comes back as it was written.
RotMatrix RotationFromDegrees(double degrees, double viewRadians) {
  RotMatrix rotation;
  mdlRMatrix_fromAngle(&rotation, degrees * fc_pi / 180.0 - viewRadians);
  return rotation;
}

double RotationToDegrees(const RotMatrix& rotation) { return mdlRMatrix_toAngle(&rotation) * 180.0 / fc_pi; }
