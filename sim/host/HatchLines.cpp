#include "sim/host/HatchLines.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

// Line k of the hatch lies where the distance from the origin across the lines is
// k x spacing. An edge crosses a line when exactly one of its ends lies beyond it,
// that is when the line is at or above its lower end and below its upper end: a
// corner on a line is then counted once, and an edge along a line not at all.

// Lines further than this many spacings from the origin are refused: their
// positions would no longer be exact.
constexpr double kMaxLineNumber = 1e15;

struct Crossing {
  long line;
  double along;  // position along the line, from the origin's foot
};

// The first line k with k x spacing above `level` (or at it, when `orAt`).
long FirstLineAbove(double level, double spacing, bool orAt) {
  long k = static_cast<long>(std::floor(level / spacing));
  auto above = [&](long line) { return orAt ? line * spacing >= level : line * spacing > level; };
  while (above(k - 1)) --k;
  while (!above(k)) ++k;
  return k;
}

}  // namespace

bool HatchLoops(const std::vector<std::vector<DPoint3d>>& loops, const DPoint3d& origin, const DPoint3d& direction,
                double spacing, double z, long maxLines, std::vector<HatchLine>* pieces) {
  pieces->clear();
  const DPoint3d across{-direction.y, direction.x, 0};
  auto distanceAcross = [&](const DPoint3d& p) { return (p.x - origin.x) * across.x + (p.y - origin.y) * across.y; };
  auto distanceAlong = [&](const DPoint3d& p) { return (p.x - origin.x) * direction.x + (p.y - origin.y) * direction.y; };

  double low = HUGE_VAL, high = -HUGE_VAL;
  for (const auto& loop : loops)
    for (const DPoint3d& p : loop) {
      low = std::min(low, distanceAcross(p));
      high = std::max(high, distanceAcross(p));
    }
  if (!(low <= high)) return true;  // no points
  if (std::fabs(low / spacing) > kMaxLineNumber || std::fabs(high / spacing) > kMaxLineNumber) return false;
  if ((high - low) / spacing > static_cast<double>(maxLines) + 1) return false;

  // Lines strictly inside the range: one through the outermost corner or along the
  // outermost edge only touches the area.
  const double margin = 1e-9 * spacing;
  const long first = FirstLineAbove(low + margin, spacing, false);
  const long last = FirstLineAbove(high - margin, spacing, true) - 1;
  if (first > last) return true;
  if (last - first + 1 > maxLines) return false;

  // The crossings of every edge, counted before they are kept, so that a boundary
  // that zigzags across many lines is refused before anything is allocated.
  struct Edge {
    double a, b, alongA, alongB;
    long from, to;  // the lines it crosses
  };
  std::vector<Edge> edges;
  long crossings = 0;
  for (const auto& loop : loops)
    for (size_t i = 0; i < loop.size(); ++i) {
      const DPoint3d& p = loop[i];
      const DPoint3d& q = loop[(i + 1) % loop.size()];
      Edge e{distanceAcross(p), distanceAcross(q), distanceAlong(p), distanceAlong(q), 0, -1};
      const double lo = std::min(e.a, e.b), hi = std::max(e.a, e.b);
      if (lo == hi) continue;  // along the lines
      e.from = std::max(first, FirstLineAbove(lo, spacing, true));
      e.to = std::min(last, FirstLineAbove(hi, spacing, true) - 1);
      if (e.from > e.to) continue;
      crossings += e.to - e.from + 1;
      if (crossings / 2 > maxLines) return false;
      edges.push_back(e);
    }

  std::vector<Crossing> found;
  found.reserve(static_cast<size_t>(crossings));
  for (const Edge& e : edges)
    for (long k = e.from; k <= e.to; ++k) {
      const double level = k * spacing;
      const double t = (level - e.a) / (e.b - e.a);
      found.push_back({k, e.alongA + (e.alongB - e.alongA) * t});
    }
  std::sort(found.begin(), found.end(),
            [](const Crossing& x, const Crossing& y) { return x.line != y.line ? x.line < y.line : x.along < y.along; });

  // Between the first and second crossing of a line it is inside, between the
  // second and third outside, and so on.
  auto at = [&](long line, double along) {
    const double level = line * spacing;
    return DPoint3d{origin.x + direction.x * along + across.x * level,
                    origin.y + direction.y * along + across.y * level, z};
  };
  for (size_t i = 0; i + 1 < found.size();) {
    if (found[i].line != found[i + 1].line) {
      ++i;  // an odd crossing left by rounding: skipped
      continue;
    }
    if (found[i + 1].along - found[i].along > margin)
      pieces->push_back({at(found[i].line, found[i].along), at(found[i].line, found[i + 1].along)});
    i += 2;
  }
  return true;
}

}  // namespace sim
