// How a plot draws MicroStation's line weights and line codes: each weight a physical
// thickness and each line code dashes of physical lengths, whatever the zoom, so that
// a picture of a small table and one of a large table show the same lines in
// proportion to their drawing. Lengths are in points of the drawing: one point is
// one Excel point of a table placed at scale 1 (one master unit).
#pragma once

#include <cstdint>

// The thickness of a line of the weight (0 to 31; any other, such as the by-level
// 0xFFFFFFFF, is drawn as 0), in points.
double WeightThicknessPoints(std::uint32_t weight);

// The dashes of a line code (0 to 7; other codes are solid): on and off lengths in
// points, as many as *count says; null for a solid line.
const double* LineCodeDashesPoints(int style, int* count);
