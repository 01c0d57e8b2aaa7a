// Views and the host's terminal control block (current view, active file name).
#pragma once

#include "host/msgeom.h"

struct Tcb {
  int lstvw = 0;               // last view used
  char dgnfilenm[1024] = {};   // the active design file, a Windows path
};
extern Tcb* tcbP;

StatusInt mdlView_getParameters(DPoint3d* origin, DPoint3d* center, DPoint3d* delta, RotMatrix* rMatrix,
                                double* activeZ, int view);
int mdlView_isActive(int view);
StatusInt mdlView_updateSingle(int view);
