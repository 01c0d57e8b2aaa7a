// A1 references as Worksheet.Range takes them, turned into the absolute form Excel
// reports for a range's address.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// Cell1 is a cell ("B3", "$B$3"), an area ("B3:D9"), whole columns ("B:D"), whole
// rows ("3:9"), or several of these joined by ","; "$" and letter case do not
// matter. With Cell2 (one cell or area of the same kind) the result is the
// rectangle spanning both. Columns run to XFD, rows to 1048576. The absolute address
// ("$B$3:$D$9", "$B$3", "$B:$D", "$3:$9"), or none when the text is no such
// reference.
// The letters of a column: 1 is "A", 27 "AA", 16384 "XFD".
std::string ColumnLetters(long column);

std::optional<std::string> AbsoluteAddress(std::string_view cell1, std::optional<std::string_view> cell2 = {});

}  // namespace sim
