// The placed tables of the open design file as the host sees them: table cell headers
// and the link each carries, for the shell's listings and checks.
#pragma once

#include <string>
#include <vector>

#include "host/mstypes.h"

struct PlacedTable {
  unsigned long long id = 0;
  ULong filePos = 0;
  // The link as stored: the legacy link record when the cell has one (as the module
  // reads it), else the string linkages. Empty path: the cell carries no link.
  std::string path;
  std::string worksheet;
  std::string range;
  std::string saveTime;
  bool legacy = false;
};

// In file order.
std::vector<PlacedTable> PlacedTables();
