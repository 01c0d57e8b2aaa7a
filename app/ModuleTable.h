// The table model the create, edit and list-import flows fill; it lives as long as
// the module and is emptied at the end of every operation.
#pragma once

#include "model/CQuorvelle.h"

extern CQuorvelle moduleTable;
