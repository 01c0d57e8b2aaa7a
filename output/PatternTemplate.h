// The line whose symbology hatch patterns take: made once when the module loads and
// kept as long as it runs.
#pragma once

#include "host/mselement.h"

extern MSElement patternTemplate;

// Makes the template; the module's loading calls it.
void MakePatternTemplate();
