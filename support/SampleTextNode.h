// The help command's sample: a text node "YD" with a "7" placed at its box, added
// to the active model three master units up and right of its origin.
#pragma once

void PlaceSampleTextNode();
