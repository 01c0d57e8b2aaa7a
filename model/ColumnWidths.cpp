#include "model/CQuorvelle.h"
#include "model/LayoutPasses.h"

void ChangeColumnWidths(CQuorvelle&, const std::string&) {}
