#include "host/mselmdscr.h"
#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"

bool CQVUtiMStation::HasSomethingToPlace(const CQuorvelle& table, const MSElementDescr* cellDscr) {
  if (cellDscr && cellDscr->h.firstElem) return true;
  for (const auto& shape : table.Shapes)
    if (shape->IsPicture()) return true;
  return false;
}
