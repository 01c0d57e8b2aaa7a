// Completing a table's font map just before the table is drawn.
#pragma once

class QuorvelleSetup;

// Fills the option set's font map from the font map dialog, the same font for all,
// the font map file or the registry map, by the user's settings.
void PrepareFontMap(QuorvelleSetup& setup);
