// The symbology rules shared by the drawers: colours taken from options and levels
// taken from level options.
#pragma once

#include "host/mstypes.h"

struct LevelOption;

// A colour index from an option: used when it is a colour of the table (0-255),
// otherwise the element takes its level's colour (COLOR_BYLEVEL).
UInt32 ColourFromOption(int index);
// The colour by the option choosing it: 1 the colour nearest to the Excel colour, 2
// the option's colour index (as ColourFromOption), anything else by level.
UInt32 ColourByChoice(int choice, int excelColour, int optionIndex);
// The level of a level option when it names one, else the active level.
LevelID LevelFromOption(const LevelOption& option);
LevelID ActiveLevel();
