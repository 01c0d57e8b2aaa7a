// The drawing objects of a range, described as the add-in reads them from Excel's
// Shape objects: those whose top-left and bottom-right corners both lie within the
// range's cells, in the drawing's order, their boxes in points from the range's
// top-left corner (the geometry the cell records use), Office's enumeration values,
// pictures saved as files and sent by their Windows paths, and charts sent as
// pictures when the workbook carries a picture of them. What is not sent is said in
// messages, with the reader's warnings about the objects of the range.
#pragma once

#include <string>
#include <vector>

#include "sim/addin/ShapeRecordEncoder.h"
#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

struct RangeShapes {
  std::vector<std::vector<ShapeDescription>> areas;  // the objects of each area, in order
  std::vector<std::string> messages;                 // in the order the objects come
};

// Describes the objects of each area and saves their pictures (see PictureFiles.h);
// `workbookPath` names the picture files.
RangeShapes DescribeRangeShapes(const WorkbookData& book, int sheetIndex, const std::vector<CellRect>& areas,
                                const std::string& workbookPath);

}  // namespace sim
