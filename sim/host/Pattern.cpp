// Hatching an area.
#include <cmath>

#include "host/mspattern.h"
#include "sim/SimFailures.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/host/Descriptors.h"
#include "sim/host/HatchLines.h"
#include "sim/host/HostState.h"

namespace {

bool IsSoundShape(const MSElementDescr* d) {
  return d && d->el.type == SHAPE_ELM && d->el.points.size() >= 4 && !sim::GeometryProblem(d->el);
}

bool Finite(const DPoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// The lines as a chain of descriptors of line elements with the template's symbology.
MSElementDescr* LineChain(const std::vector<sim::HatchLine>& lines, const MSElement* templateP) {
  MSElementDescr* first = nullptr;
  MSElementDescr* last = nullptr;
  for (const sim::HatchLine& line : lines) {
    MSElement el;
    el.type = LINE_ELM;
    el.points = {line.start, line.end};
    sim::ApplyTemplate(el, templateP);
    MSElementDescr* d = sim::NewDescriptor(ElementNode{std::move(el), {}}, nullptr);
    if (last) {
      last->h.next = d;
      d->h.previous = last;
    } else {
      first = d;
    }
    last = d;
  }
  return first;
}

}  // namespace

StatusInt mdlPattern_hatch(MSElementDescr** patternEdPP, const MSElementDescr* boundaryEdP,
                           const MSElementDescr* holeEdP, const MSElement* templateP, double angle, double space,
                           int, int, const DPoint3d* originP) {
  if (!patternEdPP) return ERROR;
  *patternEdPP = nullptr;
  if (sim::ShouldFail("mdlPattern_hatch") || !IsSoundShape(boundaryEdP) || !std::isfinite(angle) ||
      !std::isfinite(space) || !(space > 0) || (originP && !Finite(*originP)))
    return ERROR;

  // The boundary is in storage units; the angle, spacing and origin come in the
  // current units and are taken there.
  std::vector<std::vector<DPoint3d>> loops{boundaryEdP->el.points};
  for (const MSElementDescr* hole = holeEdP; hole; hole = hole->h.next) {
    if (!IsSoundShape(hole)) return ERROR;
    loops.push_back(hole->el.points);
  }
  const DPoint3d origin = originP ? sim::ToStorage(*originP) : boundaryEdP->el.points.front();
  DPoint3d direction = sim::ApplyLinear(sim::Host().currentTransform, {std::cos(angle), std::sin(angle), 0});
  direction.z = 0;
  const double length = sim::Norm(direction);
  const double spacing = sim::LengthToStorage(space);
  if (!(length > 0) || !std::isfinite(spacing) || !(spacing > 0) || !Finite(origin)) return ERROR;
  direction = sim::Scale(direction, 1 / length);

  std::vector<sim::HatchLine> lines;
  if (!sim::HatchLoops(loops, origin, direction, spacing, boundaryEdP->el.points.front().z, MAX_HATCH_LINES,
                       &lines))
    return ERROR;
  *patternEdPP = LineChain(lines, templateP);
  return SUCCESS;
}
