// Lengths in master units of the active model turned into storage units.
#pragma once

#include "host/msgeom.h"

double MasterToStorage(double masterUnits);
DPoint3d MasterToStorage(const DPoint3d& masterPoint);
