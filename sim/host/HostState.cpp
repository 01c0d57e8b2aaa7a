#include "sim/host/HostState.h"

#include <cmath>
#include <cstring>

#include "host/msgeom.h"
#include "sim/platform/SimPlatform.h"

namespace {
Tcb tcb;
}
Tcb* tcbP = &tcb;

namespace sim {

HostState& Host() {
  static HostState state;
  return state;
}

DgnModel& Model() { return *Host().model; }
DgnModelRefP ActiveModelRef() { return Host().model.get(); }
DgnModel* ModelOf(DgnModelRefP modelRef) { return modelRef == Host().model.get() ? modelRef : nullptr; }

namespace {
// The current transformation is a uniform scale with a translation; its scale turns
// lengths into storage units.
double CurrentScale() {
  const auto& m = Host().currentTransform.form3d;
  return std::sqrt(m[0][0] * m[0][0] + m[1][0] * m[1][0] + m[2][0] * m[2][0]);
}
}  // namespace

DPoint3d ToStorage(const DPoint3d& p) {
  DPoint3d q = p;
  mdlTMatrix_transformPoint(&q, &Host().currentTransform);
  return q;
}

DPoint3d FromStorage(const DPoint3d& p) {
  Transform inv;
  if (!mdlTMatrix_invert(&inv, &Host().currentTransform)) return p;
  DPoint3d q = p;
  mdlTMatrix_transformPoint(&q, &inv);
  return q;
}

double LengthToStorage(double length) { return length * CurrentScale(); }
double LengthFromStorage(double length) {
  double s = CurrentScale();
  return s > 0 ? length / s : length;
}

Transform TransformToStorage(const Transform& t) {
  Transform inv, tmp, result;
  if (!mdlTMatrix_invert(&inv, &Host().currentTransform)) return t;
  mdlTMatrix_multiply(&tmp, &t, &inv);
  mdlTMatrix_multiply(&result, &Host().currentTransform, &tmp);
  return result;
}

void SyncTcb() {
  std::string win = Host().linuxPath.empty() ? std::string() : ToWindowsPath(Host().linuxPath);
  std::memset(tcbP->dgnfilenm, 0, sizeof tcbP->dgnfilenm);
  std::strncpy(tcbP->dgnfilenm, win.c_str(), sizeof tcbP->dgnfilenm - 1);
}

}  // namespace sim

#include "sim/dgn/ElementGeometry.h"

namespace sim {

// Units change lengths, not a cell's own scale: a cell header keeps its matrix.
void ElementToStorage(MSElement& el) {
  RotMatrix cellMatrix = el.matrix;
  TransformElement(el, Host().currentTransform);
  if (el.type == CELL_HEADER_ELM) el.matrix = cellMatrix;
}
void NodeToStorage(ElementNode& node) {
  ElementToStorage(node.el);
  for (auto& m : node.members) NodeToStorage(m);
}

void ApplyTemplate(MSElement& el, const MSElement* in) {
  const DgnModel& m = Model();
  if (in) {
    el.level = in->level;
    el.color = in->color;
    el.weight = in->weight;
    el.style = in->style;
    el.elementClass = in->elementClass;
  } else {
    el.level = m.activeLevel;
    el.color = m.activeColor;
    el.weight = m.activeWeight;
    el.style = m.activeStyle;
  }
}

}  // namespace sim
