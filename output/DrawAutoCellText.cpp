#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::DrawAutoCellText(const CAutoCell&, MSElementDescr*) { return 0; }
