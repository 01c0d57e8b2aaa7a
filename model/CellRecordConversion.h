// Turning a cell record into a cell.
#pragma once

#include "model/CAutoCell.h"
#include "model/CellRecord.h"

class QuorvelleSetup;

// The cell the record describes, with its font added to the option set's font map.
// Numbers are taken as they come (NaN and infinities included); the drawing code
// judges them.
CAutoCell ReadCellRecord(const CCellRecord& record, QuorvelleSetup& setup);
