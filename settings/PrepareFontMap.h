// Completing a table's font map just before the table is drawn.
#pragma once

#include "settings/OperationMode.h"

class QuorvelleSetup;

// Fills the option set's font map from the font map dialog, the same font for all,
// the font map file or the registry map, by the user's settings. An update never
// shows the dialog: it draws with the map the table was made with.
void PrepareFontMap(QuorvelleSetup& setup, EFuncState mode);
