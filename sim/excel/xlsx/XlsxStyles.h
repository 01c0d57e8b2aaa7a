// xl/styles.xml: the cell formats (cellXfs) with the fonts, fills, borders, number
// formats and alignments they refer to, each resolved into one CellStyle.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "sim/excel/xlsx/WorkbookData.h"
#include "sim/excel/xlsx/XlsxColors.h"

namespace sim {

struct XmlPart;

struct WorkbookStyles {
  std::vector<std::shared_ptr<const CellStyle>> cellStyles;  // at least one
  FontData defaultFont;
};

// The styles of the part, or Excel's defaults when there is none (null). False with
// a message naming the bound when a list is longer than kMaxStyles.
bool ReadStyles(const XmlPart* part, WorkbookColors* colors, WorkbookStyles* out, std::string* error);

// A <font> of styles.xml or the <rPr> of a rich-text run; what it leaves out comes
// from base.
FontData ReadFont(pugi::xml_node font, const WorkbookColors& colors, const FontData& base);

}  // namespace sim
