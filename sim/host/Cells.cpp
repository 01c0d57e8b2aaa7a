// Cell headers.
#include <cmath>
#include <cstring>

#include "host/mselement.h"
#include "sim/SimFailures.h"
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
  DPoint3d s{sim::Norm(sim::Column(cell->matrix, 0)), sim::Norm(sim::Column(cell->matrix, 1)),
             sim::Norm(sim::Column(cell->matrix, 2))};
  RotMatrix r;
  for (int c = 0; c < 3; ++c) {
    double n = c == 0 ? s.x : c == 1 ? s.y : s.z;
    sim::SetColumn(r, c, n > 0 ? sim::Scale(sim::Column(cell->matrix, c), 1 / n) : sim::Column(RotMatrix{}, c));
  }
  // A mirrored cell reports a negative x scale and a proper rotation.
  if (sim::Dot(sim::Cross(sim::Column(r, 0), sim::Column(r, 1)), sim::Column(r, 2)) < 0) {
    s.x = -s.x;
    sim::SetColumn(r, 0, sim::Scale(sim::Column(r, 0), -1));
  }
  if (rMatrix) *rMatrix = r;
  if (scale) *scale = s;
  if (cellName) return mdlCell_extractName(cellName, bufferSize, cell);
  return SUCCESS;
}

StatusInt mdlCell_extractName(MSWChar* cellName, int bufferSize, const MSElement* cell) {
  if (!cell || cell->type != CELL_HEADER_ELM || !cellName || bufferSize <= 0) return ERROR;
  size_t n = std::min(cell->name.size(), static_cast<size_t>(bufferSize - 1));
  std::memcpy(cellName, cell->name.data(), n * sizeof(MSWChar));
  cellName[n] = 0;
  return SUCCESS;
}
