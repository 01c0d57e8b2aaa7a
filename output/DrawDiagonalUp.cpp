#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawDiagonalUp(const CAutoCell&, MSElementDescr*) { return 0; }
