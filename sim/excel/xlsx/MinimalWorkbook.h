// The parts of the smallest workbook a reader accepts (and other programs open),
// around the XML of its one sheet: what tests, benchmarks and fuzzing corpora vary.
#pragma once

#include <string>
#include <vector>

#include "sim/excel/xlsx/ZipArchiveWriter.h"

namespace sim {

struct MinimalWorkbookParts {
  std::string sheetName = "Sheet1";  // written as it is: no markup
  std::string sheetData;      // the content of <sheetData>
  std::string sheetExtra;     // elements after <sheetData> (<mergeCells>, ...)
  std::string sheetBefore;    // elements before it (<sheetFormatPr>, <cols>, ...)
  std::string styles;         // xl/styles.xml, none when empty
  std::string sharedStrings;  // xl/sharedStrings.xml, none when empty
  std::string workbookExtra;  // elements of workbook.xml after <sheets> (<definedNames>)
  // The sheet's drawing part, xl/drawings/drawing1.xml (none when empty), and the
  // <Relationship> elements of its relationships part.
  std::string drawing;
  std::string drawingRelationships;
  std::vector<ZipEntry> otherParts;  // added as they are (images, charts)
};

std::vector<ZipEntry> MinimalWorkbookEntries(const MinimalWorkbookParts& parts);

}  // namespace sim
