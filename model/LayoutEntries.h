// What the size passes share: which entry of a list applies where, and which cells
// stand alone.
#pragma once

#include <string>
#include <vector>

#include "model/CAutoCell.h"

// The entries of an option's list: the texts between ";", empty ones skipped.
inline std::vector<std::string> ListEntries(const std::string& text) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) entries.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

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
