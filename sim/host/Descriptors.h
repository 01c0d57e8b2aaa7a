// Conversions between the host's linked descriptors and the design file's element
// trees. Internal to the stand-ins.
#pragma once

#include "host/mselmdscr.h"
#include "sim/dgn/DgnModel.h"

namespace sim {

MSElementDescr* NewDescriptor(const ElementNode& node, MSElementDescr* header);
ElementNode NodeOf(const MSElementDescr* dscr);
// Checks every element of the tree; null when sound, else why not.
const char* NodeProblem(const ElementNode& node);

}  // namespace sim
