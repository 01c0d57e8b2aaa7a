// Draws the open design file to a picture a person can look at: PNG or SVG by the
// file's extension. White paper; the design file's white is drawn black on it.
#pragma once

#include <string>

enum class RenderFormat { ByExtension, Svg, Png };

// Empty on success, else why the picture could not be made.
std::string RenderDesignFile(const std::string& outputPath, RenderFormat format = RenderFormat::ByExtension,
                             int pixelWidth = 1600);
