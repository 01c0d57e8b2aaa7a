// The smoke run of the host shell: draws a small sample cell through the host
// operations (lines, a filled shape, an ellipse, an arc and a text node) and places
// it rotated and scaled, so that the design file, its save, dump and picture can be
// seen working end to end.
#pragma once

#include <string>

// Empty on success, else what failed.
std::string DrawSmokeSample();
