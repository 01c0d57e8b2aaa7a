#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

namespace {

bool Named(const LevelOption& option) { return !option.name.empty() && option.id != LEVEL_NULL_ID; }

}  // namespace

LevelID CQVUtiMStation::TextLevel(bool bold, bool italic) {
  LevelID level = ActiveLevel();
  if (!currentOptionSet) return level;
  const QuorvelleSetup& setup = *currentOptionSet;
  if (setup.TextOnOneLevel) {
    if (Named(setup.TextLayer)) level = setup.TextLayer.id;
    return level;
  }
  // Bold wins over italic.
  if (italic && Named(setup.ItalicTextLevel)) level = setup.ItalicTextLevel.id;
  if (bold && Named(setup.BoldTextLevel)) level = setup.BoldTextLevel.id;
  if (!bold && !italic && Named(setup.TextLayer)) level = setup.TextLayer.id;
  return level;
}
