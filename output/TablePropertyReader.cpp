// One table-properties key of a table cell into the current option set.
#include <climits>
#include <cmath>
#include <string>

#include "host/msmodel.h"
#include "output/LinkData.h"
#include "output/TablePropertyKeys.h"
#include "support/DecimalText.h"
#include "support/TextConvert.h"

namespace {

// As a decimal number, the fraction dropped; out of range numbers are held at the
// nearest end.
int IntegerOf(std::string_view text) {
  const double value = std::trunc(DecimalPrefixToDouble(text));
  if (value <= INT_MIN) return INT_MIN;
  if (value >= INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

// The level of that name in the active model; no level is made for it. A name the
// model does not know leaves the option without a level, which draws on the active
// one.
void SetLevelName(LevelOption& option, std::string_view name) {
  option.name = name;
  if (option.name.empty()) return;
  std::u16string wide = NarrowToWide(option.name);
  LevelID id = LEVEL_NULL_ID;
  option.id = mdlLevel_getIdFromName(&id, mdlModelRef_getActive(), LEVEL_NULL_ID, wide.c_str()) == SUCCESS
                  ? id
                  : LEVEL_NULL_ID;
}

// Split mode and the x and y of the first two columns' origins, separated by ";";
// missing fields leave their options as they are.
void SetSplitData(QuorvelleSetup& setup, std::string_view text) {
  double* coordinates[] = {&setup.firstColumnOrigin.x, &setup.firstColumnOrigin.y, &setup.secondColumnOrigin.x,
                           &setup.secondColumnOrigin.y};
  std::size_t field = 0;
  for (std::size_t start = 0; start <= text.size() && field < 5; ++field) {
    std::size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view part = text.substr(start, end - start);
    if (field == 0)
      setup.SplitRowsToColumns = IntegerOf(part);
    else
      *coordinates[field - 1] = DecimalPrefixToDouble(part);
    start = end + 1;
  }
}

}  // namespace

void ReadTableProperty(UShort key, std::string_view text) {
  if (!currentOptionSet) return;
  QuorvelleSetup& setup = *currentOptionSet;
  if (key == kKeySplitData) {
    SetSplitData(setup, text);
    return;
  }
  const TableProperty* property = FindTableProperty(key);
  if (!property) return;
  if (auto number = std::get_if<int QuorvelleSetup::*>(&property->member))
    setup.**number = IntegerOf(text);
  else if (auto real = std::get_if<double QuorvelleSetup::*>(&property->member))
    setup.**real = DecimalPrefixToDouble(text);
  else if (auto level = std::get_if<LevelOption QuorvelleSetup::*>(&property->member))
    SetLevelName(setup.**level, text);
  else
    setup.*std::get<std::string QuorvelleSetup::*>(property->member) = text;
}
