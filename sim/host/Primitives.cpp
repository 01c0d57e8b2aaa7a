// Lines, line strings, shapes, ellipses and arcs.
#include <cmath>

#include "host/mselement.h"
#include "sim/SimFailures.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/host/HostState.h"

namespace {

constexpr int kMaxVertices = 5000;

StatusInt Finish(MSElement* out, MSElement el, const MSElement* in, const char* operation) {
  if (!out || sim::ShouldFail(operation)) return ERROR;
  sim::ApplyTemplate(el, in);
  if (sim::GeometryProblem(el)) return ERROR;
  sim::ElementToStorage(el);
  *out = std::move(el);
  return SUCCESS;
}

StatusInt PointElement(MSElement* out, const MSElement* in, int type, const DPoint3d* points, int n,
                       const char* operation) {
  if (!points || n < 2 || n > kMaxVertices) return ERROR;
  MSElement el;
  el.type = type;
  el.points.assign(points, points + n);
  return Finish(out, std::move(el), in, operation);
}

}  // namespace

StatusInt mdlLine_create(MSElement* out, const MSElement* in, const DPoint3d points[2]) {
  return PointElement(out, in, LINE_ELM, points, 2, "mdlLine_create");
}

StatusInt mdlLineString_create(MSElement* out, const MSElement* in, const DPoint3d* points, int numVerts) {
  return PointElement(out, in, LINE_STRING_ELM, points, numVerts, "mdlLineString_create");
}

StatusInt mdlShape_create(MSElement* out, const MSElement* in, const DPoint3d* points, int numVerts, int fillMode) {
  if (!points || numVerts < 3 || numVerts > kMaxVertices) return ERROR;
  MSElement el;
  el.type = SHAPE_ELM;
  el.points.assign(points, points + numVerts);
  const DPoint3d &first = el.points.front(), &last = el.points.back();
  if (first.x != last.x || first.y != last.y || first.z != last.z) el.points.push_back(first);  // shapes are closed
  el.fillMode = fillMode ? FILL_OPAQUE : FILL_NONE;
  return Finish(out, std::move(el), in, "mdlShape_create");
}

StatusInt mdlEllipse_create(MSElement* out, const MSElement* in, const DPoint3d* center, double axis1, double axis2,
                            const RotMatrix* rotMatrix, int fillMode) {
  if (!center) return ERROR;
  MSElement el;
  el.type = ELLIPSE_ELM;
  el.origin = *center;
  if (rotMatrix) el.matrix = *rotMatrix;
  el.primary = axis1;
  el.secondary = axis2;
  el.sweep = 2 * fc_pi;
  el.fillMode = fillMode ? FILL_OPAQUE : FILL_NONE;
  return Finish(out, std::move(el), in, "mdlEllipse_create");
}

StatusInt mdlArc_create(MSElement* out, const MSElement* in, const DPoint3d* center, double axis1, double axis2,
                        const RotMatrix* rotMatrix, double start, double sweep) {
  if (!center) return ERROR;
  MSElement el;
  el.type = ARC_ELM;
  el.origin = *center;
  if (rotMatrix) el.matrix = *rotMatrix;
  el.primary = axis1;
  el.secondary = axis2;
  el.start = start;
  el.sweep = sweep;
  return Finish(out, std::move(el), in, "mdlArc_create");
}

StatusInt mdlArc_createByCenter(MSElement* out, const MSElement* in, const DPoint3d* start, const DPoint3d* center,
                                const DPoint3d* end, int) {
  if (!start || !center || !end) return ERROR;
  double r = std::hypot(start->x - center->x, start->y - center->y);
  if (!(r > 0)) return ERROR;
  double a0 = std::atan2(start->y - center->y, start->x - center->x);
  double a1 = std::atan2(end->y - center->y, end->x - center->x);
  double sweep = std::remainder(a1 - a0, 2 * M_PI);  // the shorter way round
  return mdlArc_create(out, in, center, r, r, nullptr, a0, sweep);
}
