// One row of a table: its cells, left to right.
#pragma once

#include <vector>

#include "model/CAutoCell.h"
#include "support/Serialisable.h"

class CQuorvelleRow : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CQuorvelleRow"; }

  std::vector<CAutoCell> Cells;
};
