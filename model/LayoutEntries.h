// What the size passes share: which entry of a list applies where, and which cells
// stand alone.
#pragma once

#include <string>
#include <vector>

#include "model/CAutoCell.h"

// Sizes at or below this are no sizes.
constexpr double kLeastSize = 1e-6;

// The entry for position `index` when it is a size: the entry at that position, or
// beyond the list its last; otherwise `current`, kept.
inline double EntryOrKept(const std::vector<double>& entries, std::size_t index, double current) {
  const double entry = index < entries.size() ? entries[index] : entries.back();
  return entry > kLeastSize ? entry : current;
}

// A cell outside any merged area: its area is itself, or no range.
inline bool StandsAlone(const CAutoCell& cell) {
  return cell.MergeAddress == cell.Address || cell.MergeAddress.find(':', 1) == std::string::npos;
}
