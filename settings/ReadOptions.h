// Filling the option set in force from the user's settings, when a table starts
// arriving from the add-in.
#pragma once

#include "settings/OperationMode.h"

// Reads the options into currentOptionSet. In create mode they come from the product
// key, or from the options template's key when the add-in loads a template; in edit
// mode from the edited table's key unless the user chose the global options. In
// update mode nothing is read: the table keeps the options stored with it. The
// rotation is taken as seen in the view the table goes into. Does nothing while no
// option set is current.
void ReadOptions(EFuncState mode, int view);
