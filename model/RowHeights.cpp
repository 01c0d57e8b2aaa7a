#include "model/CQuorvelle.h"
#include "model/LayoutPasses.h"

void ChangeRowHeights(CQuorvelle&, const std::string&) {}
