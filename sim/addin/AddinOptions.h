// The options the companion add-in's options dialog keeps for the user, in the
// registry key the module reads them from
// (HKEY_CURRENT_USER\Software\Korvu\KorvuMSV8i\Quorvelle): each value's name, how it
// is stored, its default and the values the dialog accepts. The host shell sets them
// as the dialog would.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

constexpr char kAddinOptionsKey[] = "Software\\Korvu\\KorvuMSV8i\\Quorvelle";

enum class OptionKind {
  Choice,    // a 32-bit number from a short list
  Integer,   // a 32-bit number within bounds
  Number,    // a decimal number stored as text, within bounds
  Level,     // a level name, stored as text; empty or "*": the active level
  Distances, // ";"-separated distances: 2.5, 1:6 (master:sub), 2' 6" (feet and inches)
  FontSizes, // ";"-separated "size:height" or "size:height*width"
};

struct AddinOption {
  const char* name;
  OptionKind kind;
  const char* defaultText;  // what the module takes while the value is not set
  double least = 0;         // Integer and Number: the bounds; Choice: the choices are least..most
  double most = 0;
  bool leastExcluded = false;  // Number: the value must lie above `least`
  const char* meaning = "";
};

const std::vector<AddinOption>& AddinOptions();
// By name, letter case aside; null for a name that is no option.
const AddinOption* FindAddinOption(const std::string& name);

// The value as the dialog stores it (a text, or a 32-bit number in text form), or
// none with the reason in `error` when the option does not take it.
std::optional<std::string> CheckAddinOption(const AddinOption& option, const std::string& value, std::string* error);

}  // namespace sim
