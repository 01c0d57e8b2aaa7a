#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

LevelID CQVUtiMStation::BorderLevel(int excelWeight) {
  if (!currentOptionSet) return ActiveLevel();
  const QuorvelleSetup& setup = *currentOptionSet;
  if (setup.BorderOnOneLevel) return LevelFromOption(setup.BorderLayer);
  switch (excelWeight) {
    case xlMedium: return LevelFromOption(setup.MediumBorderLevel);
    case xlThick: return LevelFromOption(setup.ThickBorderLevel);
    default: return LevelFromOption(setup.BorderLayer);
  }
}
