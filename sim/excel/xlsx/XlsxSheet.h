// One worksheet part, streamed: its cells with values and styles, the sizes of its
// columns and rows, and its merged areas. Every cell is read and checked; only the
// cells asked for are kept.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/excel/xlsx/WorkbookData.h"
#include "sim/excel/xlsx/XlsxColors.h"
#include "sim/excel/xlsx/XlsxStyles.h"

namespace sim {

class CXlsxPackage;

// The cells a reading keeps: all of them, or those within an area (none when the
// area is absent).
struct CellsToKeep {
  bool all = false;
  std::optional<CellRect> area;

  bool Keeps(int row, int column) const { return all || (area && area->Contains(row, column)); }
};

struct SheetReadContext {
  const WorkbookColors& colors;
  const WorkbookStyles& styles;
  std::size_t sharedStringCount = 0;
  CellsToKeep keep;
  std::size_t cellsRead = 0;            // over all sheets, against kMaxCells
  std::size_t rowFormatsAndMerges = 0;  // over all sheets, against kMaxRowFormatsAndMerges
  // Kept cells whose text is a shared string, with its index: their texts come once
  // the shared strings are read.
  std::vector<std::pair<CellData*, std::size_t>> sharedTexts;
};

// Fills the sheet's content (its name and state are the workbook's business). False
// with a message naming the part when it is past a bound or refers to what is not
// there.
bool ReadSheet(CXlsxPackage& package, std::string_view partName, SheetReadContext* context, SheetData* sheet,
               std::string* error);

}  // namespace sim
