#include "output/StorageUnits.h"

#include "host/msmodel.h"

double MasterToStorage(double masterUnits) {
  double uors = 0;
  mdlCnv_masterUnitsToUors(&uors, masterUnits, mdlModelRef_getActive());
  return uors;
}

DPoint3d MasterToStorage(const DPoint3d& p) { return {MasterToStorage(p.x), MasterToStorage(p.y), MasterToStorage(p.z)}; }
