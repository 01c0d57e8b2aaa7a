// The texts the border processing shows in the host's completion bar, each followed
// by a percentage.
#pragma once

constexpr char kBarParsingBorderEdges[] = "Parsing the borders:";
constexpr char kBarJoiningBorderSegments[] = "Processing the borders:";
