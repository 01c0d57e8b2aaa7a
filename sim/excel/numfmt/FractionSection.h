// Fractions: "# ?/?", "# ??/??", fixed denominators ("# ?/8"), improper fractions
// ("?/?") and the literals Excel lets stand between their parts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/excel/numfmt/FormatSections.h"

namespace sim {

// The text of a value ≥ 0 when the tokens are a fraction: placeholders, a slash, then
// placeholders or digits for the denominator. None when they are not a fraction.
std::optional<std::string> FormatFraction(const std::vector<FormatToken>& tokens, double value);

}  // namespace sim
