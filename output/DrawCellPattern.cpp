#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawCellPattern(const CAutoCell&, MSElementDescr*) { return 0; }
