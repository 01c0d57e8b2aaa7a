#include "model/CAutoLine.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawBorderSegment(const CAutoLine&, MSElementDescr*) { return 0; }
