// The drawing part of a worksheet (xl/drawings/drawingN.xml): its anchors and the
// shapes, text boxes, connectors, pictures and charts they hold, group members
// flattened. A drawing comes from anywhere like the rest of the workbook: an object
// that cannot be read is left out with a warning on the sheet, and a drawing part
// that cannot be read leaves the sheet without objects and with a warning; neither
// keeps the workbook from opening.
#pragma once

#include <string_view>

#include "sim/excel/xlsx/WorkbookData.h"
#include "sim/excel/xlsx/XlsxShapeProperties.h"

namespace sim {

class CXlsxPackage;

// Reads the drawing the sheet's <drawing> refers to (sheet->drawingId) into
// sheet->drawings and sheet->drawingWarnings.
void ReadSheetDrawing(CXlsxPackage& package, std::string_view sheetPart, const DrawingTheme& theme, SheetData* sheet);

}  // namespace sim
