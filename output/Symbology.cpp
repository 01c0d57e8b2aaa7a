#include "output/Symbology.h"

#include "host/msmodel.h"
#include "output/CQVUtiMStation.h"
#include "settings/QuorvelleSetup.h"

UInt32 ColourFromOption(int index) {
  return index >= 0 && index < 256 ? static_cast<UInt32>(index) : COLOR_BYLEVEL;
}

UInt32 ColourByChoice(int choice, int excelColour, int optionIndex) {
  if (choice == 1) return static_cast<UInt32>(CQVUtiMStation::NearestColorIndex(excelColour));
  if (choice == 2) return ColourFromOption(optionIndex);
  return COLOR_BYLEVEL;
}

LevelID LevelFromOption(const LevelOption& option) {
  return !option.name.empty() && option.id != LEVEL_NULL_ID ? option.id : ActiveLevel();
}

LevelID ActiveLevel() {
  LevelID level = LEVEL_DEFAULT_LEVEL_ID;  // every design file has it, should the host not answer
  mdlParams_getActive(&level, ACTIVEPARAM_LEVEL);
  return level;
}
