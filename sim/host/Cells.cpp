// Cell headers.
#include <cmath>
#include <cstring>

#include "host/mselement.h"
#include "sim/SimFailures.h"
#include "sim/Strings.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/host/HostState.h"

StatusInt mdlCell_create(MSElement* out, const MSWChar* cellName, const DPoint3d* origin, int) {
  if (!out || sim::ShouldFail("mdlCell_create")) return ERROR;
  MSElement el;
  el.type = CELL_HEADER_ELM;
  if (cellName) el.name = cellName;
  if (el.name.size() > MAX_CELLNAME_LENGTH) return ERROR;
  if (origin) el.origin = *origin;
  sim::ApplyTemplate(el, nullptr);
  if (sim::GeometryProblem(el)) return ERROR;
  sim::ElementToStorage(el);
  *out = std::move(el);
  return SUCCESS;
}

StatusInt mdlCell_extract(DPoint3d* origin, DPoint3d*, RotMatrix* rMatrix, DPoint3d* scale, MSWChar* cellName,
                          int bufferSize, const MSElement* cell) {
  if (!cell || cell->type != CELL_HEADER_ELM) return ERROR;
  if (origin) *origin = sim::FromStorage(cell->origin);
  sim::SplitCellMatrix(cell->matrix, rMatrix, scale);
  if (cellName) return mdlCell_extractName(cellName, bufferSize, cell);
  return SUCCESS;
}

StatusInt mdlCell_extractName(MSWChar* cellName, int bufferSize, const MSElement* cell) {
  if (!cell || cell->type != CELL_HEADER_ELM || !cellName || bufferSize <= 0) return ERROR;
  sim::CopyWide(cellName, bufferSize, cell->name);
  return SUCCESS;
}
