#include "output/DiagonalLine.h"

#include "model/CAutoBorder.h"
#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

int AppendDiagonalLine(const CAutoBorder& edge, const DPoint3d& start, const DPoint3d& end, MSElementDescr* cellDscr) {
  if (!currentOptionSet) return 0;
  const QuorvelleSetup& setup = *currentOptionSet;
  const DPoint3d points[2] = {start, end};
  MSElement line;
  if (mdlLine_create(&line, nullptr, points) != SUCCESS) return 0;
  const UInt32 colour = ColourByChoice(setup.LineClrOpt, edge.Color, setup.ThinColorIndex);
  const UInt32 weight = static_cast<UInt32>(edge.LineWeight);
  mdlElement_setSymbology(&line, &colour, nullptr, &weight);
  const LevelID level = CQVUtiMStation::BorderLevel(edge.Weight);
  mdlElement_setProperties(&line, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  return mdlElmdscr_appendElement(cellDscr, &line) == SUCCESS ? 1 : 0;
}
