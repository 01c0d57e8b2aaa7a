// Views.
#include "host/msview.h"
#include "sim/host/HostState.h"

namespace {
bool ValidView(int view) { return view >= 0 && view < MAX_VIEWS; }
}  // namespace

StatusInt mdlView_getParameters(DPoint3d* origin, DPoint3d* center, DPoint3d* delta, RotMatrix* rMatrix,
                                double* activeZ, int view) {
  if (!ValidView(view) || !sim::Host().views[view].active) return ERROR;
  const sim::ViewState& v = sim::Host().views[view];
  if (origin) *origin = v.origin;
  if (delta) *delta = v.delta;
  if (center) *center = {v.origin.x + v.delta.x / 2, v.origin.y + v.delta.y / 2, v.origin.z};
  if (rMatrix) *rMatrix = v.rotation;
  if (activeZ) *activeZ = 0;
  return SUCCESS;
}

int mdlView_isActive(int view) { return ValidView(view) && sim::Host().views[view].active ? 1 : 0; }

StatusInt mdlView_updateSingle(int view) {
  if (!ValidView(view)) return ERROR;
  sim::Host().viewUpdates.push_back(view);
  return SUCCESS;
}
