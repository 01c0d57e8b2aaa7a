// Reading .xlsx and .xlsm workbooks. A workbook file is untrusted: whatever it
// holds, reading either gives its content or refuses it with a message that says
// why (a damaged archive, malformed XML, a part past one of the bounds of
// XlsxLimits.h).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// What a reading keeps of the cells: all of them in each sheet, or none, the cells of
// a range being read again from the file when they are needed. Either way every cell
// is read and checked at once.
enum class WorkbookCells { All, OnDemand };

// The workbook in the file at a Linux path; null with a message in *error. The file
// is held open for as long as the workbook is, for the cells read on demand and the
// pictures.
std::shared_ptr<const WorkbookData> ReadWorkbook(const std::string& linuxPath, std::string* error,
                                                 WorkbookCells cells = WorkbookCells::All);
// The same from the bytes of a workbook file (copied), all cells kept.
std::shared_ptr<const WorkbookData> ReadWorkbookFromMemory(const void* data, std::size_t size, std::string* error);

// The cells of a sheet within an area: those kept, or read again from the file. False
// with a message when the file can no longer be read.
bool ReadSheetCells(const WorkbookData& book, int sheetIndex, const CellRect& area, CellMap* cells,
                    std::string* error);

// Hands the bytes of a picture's image part to the sink as they are inflated; false
// with a message when the part is missing, damaged, larger than kMaxMediaBytes or
// past another bound of the package, or when the sink returns false (having said
// why).
bool ReadMediaPart(const WorkbookData& book, const std::string& partName,
                   const std::function<bool(const char*, std::size_t)>& sink, std::string* error);

}  // namespace sim
