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

struct XmlPart;

using SharedStrings = std::vector<std::shared_ptr<const CellText>>;

// An <si> or <is> element. Phonetic guides are not part of the text.
std::shared_ptr<const CellText> ReadCellText(pugi::xml_node element, const WorkbookColors& colors,
                                             const FontData& defaultFont);

// False with a message naming the bound when there are more than kMaxSharedStrings.
bool ReadSharedStrings(const XmlPart& part, const WorkbookColors& colors, const FontData& defaultFont,
                       SharedStrings* out, std::string* error);

// Characters XML cannot carry are written as _xHHHH_ (and "_" before such a
// pattern as _x005F_); this gives the text back.
std::string DecodeEscapedText(std::string_view text);

}  // namespace sim
