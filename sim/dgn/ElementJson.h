// The stored form of elements: every field of an element tree, in storage units,
// without loss. Reading checks every field and says what is wrong.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "sim/dgn/DgnModel.h"

namespace sim {

nlohmann::json StoredText(const std::u16string& text);
// Throws std::runtime_error when the value is not a stored text.
std::u16string ReadStoredText(const nlohmann::json& value);

nlohmann::json StoredNode(const ElementNode& node);
// Throws std::runtime_error naming the problem when the value is not a sound element.
ElementNode ReadStoredNode(const nlohmann::json& value);

}  // namespace sim
