#include "model/CAutoLine.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawBorderSegment(const CAutoLine& segment, MSElementDescr* cellDscr) {
  const DPoint3d points[2] = {segment.Start, segment.End};
  MSElement line;
  if (mdlLine_create(&line, nullptr, points) != SUCCESS) return 0;
  const LevelID level = BorderLevel(segment.Weight);
  mdlElement_setProperties(&line, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  SetLineSymbology(line, segment);
  return mdlElmdscr_appendElement(cellDscr, &line) == SUCCESS ? 1 : 0;
}
