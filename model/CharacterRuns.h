// Character runs of a cell's text, built from the add-in's run description or, when
// there is none, from the stacked fractions the text holds.
#pragma once

#include <string_view>

#include "model/CCharFont.h"

class QuorvelleSetup;

// Runs of the text (without its byte-order mark): by the description when it is not
// empty, else the fraction pieces when the text has a '/', else none.
CCharMultiFont BuildCharacterRuns(std::string_view description, std::u16string_view text,
                                  const QuorvelleSetup& setup);

// Descriptions "font|b1|i0|s1|end" separated by ':'. A description without a font
// name, or whose end index is not a number at least the run's start, makes no run.
// Run texts never reach past the text.
CCharMultiFont RunsFromDescription(std::string_view description, std::u16string_view text,
                                   const QuorvelleSetup& setup);

// Plain, numerator and denominator runs of the text's first 519 characters; none
// unless the text holds a fraction such as 1/2 or 3/4".
CCharMultiFont StackFractions(std::u16string_view text);
