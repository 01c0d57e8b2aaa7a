// The text Excel shows for a cell value under a number format code: General, digit
// placeholders, thousands and scaling commas, percent, scientific, fractions, dates
// and times, literal text, and the sections for positive, negative, zero and text
// values with their colours and conditions. Only values a workbook caches are shown;
// nothing is calculated.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

struct CellValueForFormat {
  enum Kind { Empty, Number, Text, Boolean, Error };
  Kind kind = Empty;
  double number = 0;  // Number; Boolean: non-zero is TRUE
  std::string text;   // Text and Error ("#DIV/0!"), UTF-8
};

// What a number's text becomes in a column too narrow for it: a number under a
// format fills the cell with '#'; one under General alone is first shortened
// (GeneralNumberTextWithin); a value the format cannot show (kUnshowableText) fills
// the cell with '#' whatever its width. Texts, booleans and errors are no number:
// they run into the neighbouring cells or are cut.
enum class NumberFit { NotANumber, Formatted, General, Unshowable };

struct DisplayedText {
  std::string text;  // UTF-8
  // The section's colour ([Red], [Color10]) as an index into the workbook's palette
  // of indexed colours (8-63: [Black] is 8, [Red] 10, [ColorN] N + 7), so that a
  // workbook with its own palette shows its own colours.
  std::optional<int> colorIndex;
  NumberFit fit = NumberFit::NotANumber;
};

// Codes longer than this are not read; the value is shown as General instead.
constexpr std::size_t kMaxFormatCodeLength = 4096;

// A text section repeating the cell's text ("@@@@") shows no more than this many
// bytes; past it the text shows as it is.
constexpr std::size_t kMaxDisplayedTextLength = 32767;

// What Excel shows in a cell of standard width for a value it cannot show under the
// format: a date or time outside 1900 (1904) to 9999, a number of absurd length, a
// number no section of the format is for ("[>100]0;[<-100]0" and 5).
inline constexpr std::string_view kUnshowableText = "########";

// The displayed text of a value under a format code, as Excel in English (United
// States) shows it in a column of standard width. date1904: the workbook counts
// dates from 1904 rather than 1900. Booleans show TRUE and FALSE, errors their own
// text; an empty code is General.
DisplayedText FormatCellValue(const CellValueForFormat& value, std::string_view formatCode, bool date1904);

// Whether the code shows positive numbers as a date or a time.
bool IsDateFormat(std::string_view formatCode);

}  // namespace sim
