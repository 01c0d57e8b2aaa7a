// Reading .xlsx and .xlsm workbooks. A workbook file is untrusted: whatever it
// holds, reading either gives its content or refuses it with a message that says
// why (a damaged archive, malformed XML, a part past one of the bounds of
// XlsxLimits.h).
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// The workbook in the file at a Linux path; null with a message in *error.
std::shared_ptr<const WorkbookData> ReadWorkbook(const std::string& linuxPath, std::string* error);
// The same from the bytes of a workbook file.
std::shared_ptr<const WorkbookData> ReadWorkbookFromMemory(const void* data, std::size_t size, std::string* error);

}  // namespace sim
