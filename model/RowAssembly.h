// Assembling the cell records of a range into rows of a table, as the records
// arrive one message at a time.
#pragma once

#include <cstddef>

#include "model/CQuorvelleRow.h"

class CQuorvelle;

struct CRowAssembly {
  // A new range of cellsPerRow cells per row (0 or less: every record completes a row).
  void Start(int perRow);
  // Takes one message. False when it is not a cell record (any size but a record's),
  // which changes nothing.
  bool Receive(CQuorvelle& table, const void* data, size_t size);

  CQuorvelleRow rowInProgress;
  int cellsInRow = 0;  // records received for the row, placeholders included
  int cellsPerRow = 0;
};
