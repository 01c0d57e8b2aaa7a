// Draws the open design file to a picture a person can look at, as a plot prints it:
// PNG or SVG by the file's extension. White paper; colour 0 is drawn black, and lines
// are as thick as the plot draws their weights at the picture's scale.
#pragma once

#include <string>

enum class RenderFormat { ByExtension, Svg, Png };

// Empty on success, else why the picture could not be made.
std::string RenderDesignFile(const std::string& outputPath, RenderFormat format = RenderFormat::ByExtension,
                             int pixelWidth = 1600);
