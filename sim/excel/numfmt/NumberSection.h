// A number under a section of digit placeholders: decimals, thousands separators,
// scaling commas, percent, scientific notation, fractions, and General within a
// section ("General;-General", "\"$\"General").
#pragma once

#include <optional>
#include <string>

#include "sim/excel/numfmt/FormatSections.h"

namespace sim {

// The text of a value ≥ 0 under a section that is no date (the caller shows the
// sign); none when it would be absurdly long.
std::optional<std::string> FormatNumberSection(const FormatSection& section, double value);

}  // namespace sim
