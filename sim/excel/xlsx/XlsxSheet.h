// One worksheet part: its cells with values and styles, the sizes of its columns and
// rows, and its merged areas.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "sim/excel/xlsx/WorkbookData.h"
#include "sim/excel/xlsx/XlsxColors.h"
#include "sim/excel/xlsx/XlsxStyles.h"
#include "sim/excel/xlsx/XlsxText.h"

namespace sim {

struct XmlPart;

struct SheetReadContext {
  const WorkbookColors& colors;
  const WorkbookStyles& styles;
  const SharedStrings& sharedStrings;
  std::size_t cellsRead = 0;  // over all sheets, against kMaxCells
};

// Fills the sheet's content (its name and state are the workbook's business). False
// with a message naming the part when it is past a bound or refers to what is not
// there.
bool ReadSheet(const XmlPart& part, std::string_view partName, SheetReadContext* context, SheetData* sheet,
               std::string* error);

}  // namespace sim
