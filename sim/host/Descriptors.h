// Conversions between the host's linked descriptors and the design file's element
// trees. Internal to the stand-ins.
#pragma once

#include "host/mselmdscr.h"
#include "sim/dgn/DgnModel.h"

namespace sim {

// A new descriptor of the tree, appended to the header when one is given.
MSElementDescr* NewDescriptor(const ElementNode& node, MSElementDescr* header);
// A copy of the descriptor and its members, appended to the header when one is given.
MSElementDescr* CopyTree(const MSElementDescr* original, MSElementDescr* header);
ElementNode NodeOf(const MSElementDescr* dscr);
// Checks every element of the tree; null when sound, else why not.
const char* NodeProblem(const ElementNode& node);

}  // namespace sim
