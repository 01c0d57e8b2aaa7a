#include "model/CQuorvelle.h"
#include "model/LayoutPasses.h"

void ChangeFontHeights(CQuorvelle&, const std::string&) {}
