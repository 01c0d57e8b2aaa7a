// Turning a level option's name into a level of the active model.
#pragma once

#include <string>

#include "settings/QuorvelleSetup.h"

// Resolves the level option named `text` into `option`. An empty text, or one with
// "*", means the active level: the option takes its identifier and its name (the
// name stays empty when it cannot be read). Any other text is kept as the name and
// found in the active model, else in its level library, else created; a level that
// cannot be created gives the active level's identifier.
void ResolveLevelOption(const std::string& text, LevelOption* option);

// Resolves every level option the option set names, as a table drawn with it needs
// its levels: those of link data are only looked up when read, and a level the design
// file has lost since is made again here. Options without a name stay on the active
// level.
void ResolveLevelOptions(QuorvelleSetup& setup);
