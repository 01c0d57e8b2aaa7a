#include "links/CellHeaderScan.h"

#include "host/mselement.h"
#include "host/msmodel.h"
#include "host/msscan.h"
#include "platform/wintypes.h"

namespace {

constexpr int kScanBufferPositions = 1024;

}  // namespace

std::vector<ULong> CellHeaderPositions() {
  std::vector<ULong> positions;
  ScanCriteria* scan = mdlScanCriteria_create();
  mdlScanCriteria_addSingleElementTypeTest(scan, CELL_HEADER_ELM);
  mdlScanCriteria_setModel(scan, mdlModelRef_getActive());
  mdlScanCriteria_setReturnType(scan, MSSCANCRIT_RETURN_FILEPOS, FALSE, FALSE);
  // The scan fills the buffer and says so; it goes on from where it stopped.
  int status = BUFF_FULL;
  while (status == BUFF_FULL) {
    ULong buffer[kScanBufferPositions];
    int words = 2 * kScanBufferPositions;
    ULong next = 0;
    status = mdlScanCriteria_scan(scan, buffer, &words, &next);
    for (int i = 0; i < words / 2; ++i) positions.push_back(buffer[i]);
  }
  mdlScanCriteria_free(scan);
  return positions;
}
