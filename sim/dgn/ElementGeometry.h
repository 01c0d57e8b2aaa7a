// Geometry of elements in storage units: transformation of every kind, ranges and
// the points of curves, shared by the host operations, the locate and the renderer.
#pragma once

#include <vector>

#include "sim/dgn/DgnModel.h"

namespace sim {

struct Range3d {
  DPoint3d low{1e300, 1e300, 1e300};
  DPoint3d high{-1e300, -1e300, -1e300};
  bool IsNull() const { return low.x > high.x; }
  void Extend(const DPoint3d& p);
  void Extend(const Range3d& r);
  bool Contains(const DPoint3d& p, double tolerance) const;
};

// Applies the transformation (storage units) to the element and its members.
void TransformElement(MSElement& el, const Transform& t);
void TransformNode(ElementNode& node, const Transform& t);

Range3d ElementRange(const MSElement& el);
Range3d NodeRange(const ElementNode& node);

// A cell header's matrix split into its rotation (orthonormal, right-handed) and
// scale; a mirrored cell reports a negative x scale.
void SplitCellMatrix(const RotMatrix& matrix, RotMatrix* rotation, DPoint3d* scale);

// Points along an ellipse or arc (the whole ellipse for an ellipse).
std::vector<DPoint3d> CurvePoints(const MSElement& el, int segments = 64);

// Geometry checks before an element is created or read from a file: finite values,
// enough points. Empty when sound, else why not.
const char* GeometryProblem(const MSElement& el);

// Vector helpers.
DPoint3d Add(const DPoint3d& a, const DPoint3d& b);
DPoint3d Sub(const DPoint3d& a, const DPoint3d& b);
DPoint3d Scale(const DPoint3d& a, double s);
double Dot(const DPoint3d& a, const DPoint3d& b);
DPoint3d Cross(const DPoint3d& a, const DPoint3d& b);
double Norm(const DPoint3d& a);
DPoint3d Column(const RotMatrix& m, int c);
void SetColumn(RotMatrix& m, int c, const DPoint3d& v);
DPoint3d Multiply(const RotMatrix& m, const DPoint3d& v);
DPoint3d Apply(const Transform& t, const DPoint3d& p);
DPoint3d ApplyLinear(const Transform& t, const DPoint3d& v);

}  // namespace sim
