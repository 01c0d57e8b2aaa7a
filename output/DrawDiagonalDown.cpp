#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawDiagonalDown(const CAutoCell&, MSElementDescr*) { return 0; }
