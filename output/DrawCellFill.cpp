#include "model/CAutoCell.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

int CQVUtiMStation::DrawCellFill(const CAutoCell& cell, MSElementDescr* cellDscr) {
  const int colourIndex = cell.Interior.ColorIndex;
  if (!currentOptionSet || colourIndex == xlNone || colourIndex == xlAutomatic) return 0;
  const auto area = CellArea(cell);
  if (!area) return 0;

  MSElement shape;
  if (mdlShape_create(&shape, nullptr, area->data(), static_cast<int>(area->size()), FILL_OPAQUE) != SUCCESS)
    return 0;
  const UInt32 colour = static_cast<UInt32>(NearestColorIndex(cell.Interior.Color));
  const UInt32 weight = 0;
  mdlElement_setSymbology(&shape, &colour, nullptr, &weight);
  const LevelID level = LevelFromOption(currentOptionSet->PatternLevel);
  mdlElement_setProperties(&shape, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  return mdlElmdscr_appendElement(cellDscr, &shape) == SUCCESS ? 1 : 0;
}
