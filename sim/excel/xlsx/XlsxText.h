// Texts of cells: the shared strings of xl/sharedStrings.xml and the inline strings
// of worksheets, both plain or made of rich-text runs.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "sim/excel/xlsx/WorkbookData.h"
#include "sim/excel/xlsx/XlsxColors.h"

namespace sim {

class CXlsxPackage;

// An <si> or <is> element. Phonetic guides are not part of the text.
std::shared_ptr<const CellText> ReadCellText(pugi::xml_node element, const WorkbookColors& colors,
                                             const FontData& defaultFont);

// Streams the shared strings part: counts its strings into *count and makes the
// texts of those whose index is marked in `wanted` (none when it is empty), in
// index order into *texts. False with a message when the part cannot be read or has
// more than kMaxSharedStrings.
bool ReadSharedStrings(CXlsxPackage& package, std::string_view partName, const WorkbookColors& colors,
                       const FontData& defaultFont, const std::vector<bool>& wanted, std::size_t* count,
                       std::vector<std::shared_ptr<const CellText>>* texts, std::string* error);

// Characters XML cannot carry are written as _xHHHH_ (and "_" before such a
// pattern as _x005F_); this gives the text back.
std::string DecodeEscapedText(std::string_view text);

}  // namespace sim
