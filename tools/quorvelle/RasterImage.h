// The picture file of a raster attachment, read for drawing: PNG and JPEG files, each
// checked for its pixel size before it is decoded, so that a damaged or hostile file
// costs no more than a picture of sensible size.
#pragma once

#include <cairo.h>

#include <string>

// The largest picture drawn, in pixels a side and in all.
constexpr int kMaxRasterSide = 20000;
constexpr long long kMaxRasterPixels = 40000000;

// The picture as a cairo image the caller destroys; null, with why, when the file
// cannot be read, is of another kind, or is larger than the bounds.
cairo_surface_t* LoadRasterImage(const std::string& linuxPath, std::string* why);
