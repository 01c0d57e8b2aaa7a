#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawCellFill(const CAutoCell&, MSElementDescr*) { return 0; }
