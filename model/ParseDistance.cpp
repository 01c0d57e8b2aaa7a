#include <charconv>
#include <cmath>
#include <string_view>

#include "host/msmodel.h"
#include "model/LayoutEntries.h"
#include "model/LayoutPasses.h"

namespace {

// Beyond this a distance is no size of a table's column, row or text, and arithmetic
// with it would leave the drawing; it counts as not read.
constexpr double kLargestDistance = 1e9;

std::string_view Trimmed(std::string_view text, std::string_view blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

// The whole text as a decimal number; 0 when it is not one.
double Number(std::string_view text) {
  text = Trimmed(text, kWhiteSpace);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
      std::fabs(value) > kLargestDistance)
    return 0;
  return value;
}

// Feet and inches in master units; 0 when the active model's unit is unknown.
double FeetInMasterUnits(double feet) {
  UnitDefinition foot, master;
  double distance = 0;
  if (mdlUnits_getStandard(&foot, UNIT_FEET) != SUCCESS ||
      mdlModelRef_getMasterUnit(mdlModelRef_getActive(), &master) != SUCCESS ||
      mdlUnits_convertDistance(&distance, feet, &foot, &master) != SUCCESS || !std::isfinite(distance))
    return 0;
  return distance;
}

}  // namespace

double ParseDistance(const std::string& input) {
  const std::string_view text = Trimmed(input, kWhiteSpace);
  if (text.empty()) return 0;
  if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
    const double subPerMaster = mdlModelRef_getSubPerMaster(mdlModelRef_getActive());
    const double sub = Number(text.substr(colon + 1));
    return Number(text.substr(0, colon)) + (subPerMaster > 0 ? sub / subPerMaster : 0);
  }
  const std::size_t footMark = text.find('\'');
  if (footMark == std::string_view::npos && text.find('"') == std::string_view::npos) return Number(text);
  std::string_view feet, inches = text;
  if (footMark != std::string_view::npos) {
    feet = text.substr(0, footMark);
    inches = text.substr(footMark + 1);
  }
  return FeetInMasterUnits(Number(Trimmed(feet, " '")) + Number(Trimmed(inches, " \"")) / 12);
}

std::vector<double> ParseDistances(const std::string& text) {
  std::vector<double> distances;
  for (const std::string& entry : ListEntries(text)) distances.push_back(ParseDistance(entry));
  return distances;
}
