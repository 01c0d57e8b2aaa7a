// Arbitrary bytes as a drawing-object record: what the module makes of it and what
// the object then draws into a table cell.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "automation/AddinContract.h"
#include "host/mselement.h"
#include "host/mselmdscr.h"
#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"
#include "output/DrawingObjectRecord.h"
#include "sim/SimHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool hostReady = [] {
    sim::ResetHost();
    return true;
  }();
  (void)hostReady;
  CQuorvelle table;
  table.Setup.UseFontOpt = 0;  // the design file's font lookup is not what is fuzzed here
  currentOptionSet = &table.Setup;

  // The receiver never reads a record's first 8 bytes, so the first one chooses the
  // version of the Excel that sent it.
  const int excelVersion = size > 0 ? data[0] % 20 : 9;
  MakeShapeFromRecord(data, size, table, excelVersion);  // a record only when the size happens to fit
  std::vector<unsigned char> record(kShapeRecordSize, 0);
  std::copy_n(data, std::min(size, record.size()), record.begin());
  MakeShapeFromRecord(record.data(), record.size(), table, excelVersion);

  MSElement header;
  MSElementDescr* cell = nullptr;
  if (mdlCell_create(&header, u"Cell_Quorvelle", nullptr, 0) == SUCCESS && mdlElmdscr_new(&cell, nullptr, &header) == SUCCESS) {
    CQVUtiMStation::DrawObjects(table, cell);
    mdlElmdscr_freeAll(&cell);
  }
  currentOptionSet = nullptr;
  return 0;
}
