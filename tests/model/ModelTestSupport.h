// A table to fill and records to fill it with, for the model's tests.
#pragma once

#include <string>
#include <vector>

#include "model/CQuorvelle.h"
#include "model/CellRecordConversion.h"
#include "sim/addin/CellRecordEncoder.h"
#include "tests/TestSupport.h"

class ModelTest : public HostTest {
 protected:
  // The cell the add-in's record of the description turns into.
  CAutoCell Decode(const sim::CellDescription& description) {
    std::vector<unsigned char> bytes = sim::EncodeCellRecord(description);
    return DecodeBytes(bytes);
  }
  CAutoCell DecodeBytes(const std::vector<unsigned char>& bytes) {
    return ReadCellRecord(*CCellRecord::FromMessage(bytes.data(), bytes.size()), table.Setup);
  }

  CQuorvelle table;
};

// A cell that is not merged, with its address in both address fields.
inline sim::CellDescription CellAt(const std::string& address) {
  sim::CellDescription cell;
  cell.address = address;
  cell.mergeAddress = address;
  return cell;
}
