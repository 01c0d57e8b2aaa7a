#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "model/BorderSteps.h"
#include "model/BorderTexts.h"

namespace {

bool Same(double a, double b) { return std::fabs(a - b) <= kBorderPointTolerance; }
bool SamePoint(const DPoint3d& a, const DPoint3d& b) { return Same(a.x, b.x) && Same(a.y, b.y) && Same(a.z, b.z); }
bool IsHorizontal(const CAutoLine& s) { return Same(s.Start.y, s.End.y); }
bool IsVertical(const CAutoLine& s) { return Same(s.Start.x, s.End.x); }

// Merges `earlier` into `line` when it continues it in the same colour, style and
// weight; false when it does not.
bool JoinInto(CAutoLine& line, const CAutoLine& earlier) {
  if (IsHorizontal(line) != IsHorizontal(earlier) || IsVertical(line) != IsVertical(earlier)) return false;
  if (line.Color != earlier.Color || line.StyleName != earlier.StyleName || line.Weight != earlier.Weight)
    return false;
  if (SamePoint(line.Start, earlier.End)) {
    line.Start = earlier.Start;
    return true;
  }
  if (SamePoint(line.End, earlier.Start)) {
    line.End = earlier.End;
    return true;
  }
  return false;
}

class CSegmentJoiner {
 public:
  CSegmentJoiner(std::vector<CAutoLine>& out, CProgress* progress, long long total)
      : out_(out), progress_(progress), total_(total) {}

  // Joins the segments of one grid row or column, from the last to the first. Each
  // segment walks back along its own stroke, taking in the segments that continue
  // it, and stops at the first that does not: the segments of a stroke follow each
  // other along the line in the order of the cells.
  void JoinLine(std::vector<CGridSegment>& line) {
    const size_t n = line.size();
    std::vector<long> previous(n, -1);  // the segment before it on its stroke
    std::vector<char> taken(n, 0);
    long lastOnStroke[kStrokeCount];
    std::fill(std::begin(lastOnStroke), std::end(lastOnStroke), -1);
    for (size_t k = 0; k < n; ++k) {
      if (!Joinable(line[k].line)) continue;
      previous[k] = lastOnStroke[line[k].stroke];
      lastOnStroke[line[k].stroke] = static_cast<long>(k);
    }

    for (size_t k = n; k-- > 0;) {
      if (taken[k]) continue;
      CAutoLine& segment = line[k].line;
      ++done_;
      const bool horizontal = IsHorizontal(segment), vertical = IsVertical(segment);
      if (horizontal && vertical) continue;  // no length
      if (!horizontal && !vertical) {
        out_.push_back(segment);
        continue;
      }
      if (segment.GridRow < 0 || segment.GridColumn < 0) continue;
      for (long q = previous[k]; q >= 0 && JoinInto(segment, line[q].line); q = previous[q]) {
        taken[q] = 1;
        ++done_;
      }
      // A stroke shorter than the trims at its ends runs backwards and may close
      // up on joining.
      if (SamePoint(segment.Start, segment.End)) continue;
      out_.push_back(segment);
      ShowProgress();
    }
  }

 private:
  void ShowProgress() {
    if (progress_) progress_->ShowSteps(kBarJoiningBorderSegments, done_, total_);
  }

  // Segments of no length are dropped and slanted ones drawn as they are; neither
  // takes part in joining.
  static bool Joinable(const CAutoLine& s) {
    return IsHorizontal(s) != IsVertical(s) && s.GridRow >= 0 && s.GridColumn >= 0;
  }

  std::vector<CAutoLine>& out_;
  CProgress* progress_;
  long long total_;
  long long done_ = 0;
};

// The runs of segments sharing a grid index, in the order the index first appears,
// each in list order.
std::vector<std::vector<CGridSegment>> GroupBy(std::vector<CGridSegment>& list, int CAutoLine::*index) {
  std::vector<std::vector<CGridSegment>> groups;
  std::vector<size_t> groupOf;  // by index value
  for (CGridSegment& s : list) {
    const int value = s.line.*index;
    const size_t slot = value < 0 ? 0 : static_cast<size_t>(value) + 1;  // one group for all negative ones
    if (slot >= groupOf.size()) groupOf.resize(slot + 1, SIZE_MAX);
    if (groupOf[slot] == SIZE_MAX) {
      groupOf[slot] = groups.size();
      groups.emplace_back();
    }
    groups[groupOf[slot]].push_back(std::move(s));
  }
  list.clear();
  return groups;
}

}  // namespace

void JoinGridSegments(CGridSegments& segments, std::vector<CAutoLine>& out, CProgress* progress) {
  const long long total = static_cast<long long>(segments.horizontal.size() + segments.vertical.size());
  if (progress) progress->Update(kBarJoiningBorderSegments, 0);
  CSegmentJoiner joiner(out, progress, total);

  // Rows are joined from the last to the first, each from its last segment; the
  // columns then from the first to the last, each from its last segment.
  auto rows = GroupBy(segments.horizontal, &CAutoLine::GridRow);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) joiner.JoinLine(*row);
  for (auto& column : GroupBy(segments.vertical, &CAutoLine::GridColumn)) joiner.JoinLine(column);
}
