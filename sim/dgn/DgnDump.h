// The JSON dump of a design file for people and tests: points in master units.
#pragma once

#include <nlohmann/json.hpp>

#include "sim/dgn/DgnModel.h"

namespace sim {

nlohmann::ordered_json DumpModel(const DgnModel& model);
nlohmann::ordered_json DumpNode(const DgnModel& model, const ElementNode& node);

}  // namespace sim
