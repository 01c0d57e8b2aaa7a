// Points, rotation and transformation matrices of the host.
#pragma once

#include "host/mstypes.h"

struct DPoint2d {
  double x = 0, y = 0;
};

struct DPoint3d {
  double x = 0, y = 0, z = 0;
};

// form3d[row][column]; a point is transformed as M * p (column vectors).
struct RotMatrix {
  double form3d[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

// form3d[row][0..2] is the matrix part, form3d[row][3] the translation.
struct Transform {
  double form3d[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
};

// The host's value of pi: the double just below the double nearest to pi.
constexpr double fc_pi = 3.1415926535897922;
// The host's tolerance for "equal" coordinates and "zero" factors.
constexpr double fc_nearZero = 1.0e-10;

void mdlRMatrix_getIdentity(RotMatrix* rMatrix);
// Rotation about the z axis by the angle in radians.
void mdlRMatrix_fromAngle(RotMatrix* rMatrix, double radians);
// The angle of the rotation about the z axis that the matrix holds, in radians.
double mdlRMatrix_toAngle(const RotMatrix* rMatrix);
void mdlRMatrix_multiply(RotMatrix* product, const RotMatrix* a, const RotMatrix* b);
// FALSE when the matrix is singular.
int mdlRMatrix_invert(RotMatrix* inverse, const RotMatrix* rMatrix);
void mdlRMatrix_multiplyPoint(DPoint3d* point, const RotMatrix* rMatrix);

void mdlTMatrix_getIdentity(Transform* tMatrix);
void mdlTMatrix_fromRMatrix(Transform* tMatrix, const RotMatrix* rMatrix);
void mdlTMatrix_getMatrix(RotMatrix* rMatrix, const Transform* tMatrix);
// Scales the columns of the matrix part: out = in * diag(xScale, yScale, zScale).
void mdlTMatrix_scale(Transform* tMatrixOut, const Transform* tMatrixIn, double xScale, double yScale,
                      double zScale);
void mdlTMatrix_setTranslation(Transform* tMatrix, const DPoint3d* translation);
void mdlTMatrix_getTranslation(DPoint3d* translation, const Transform* tMatrix);
// Makes the point the fixed point of the transformation: p -> M * (p - origin) + origin.
void mdlTMatrix_setOrigin(Transform* tMatrix, const DPoint3d* origin);
void mdlTMatrix_multiply(Transform* product, const Transform* a, const Transform* b);
int mdlTMatrix_invert(Transform* inverse, const Transform* tMatrix);
void mdlTMatrix_transformPoint(DPoint3d* point, const Transform* tMatrix);
void mdlTMatrix_transformPointArray(DPoint3d* points, const Transform* tMatrix, int numPoints);
