// The cell headers of the active model, where placed tables are looked for.
#pragma once

#include <vector>

#include "host/mstypes.h"

// Their file positions, in file order.
std::vector<ULong> CellHeaderPositions();
