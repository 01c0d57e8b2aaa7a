#include "sim/addin/CellTexts.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "sim/Strings.h"
#include "sim/addin/ColumnFit.h"

namespace sim {

DisplayedText DisplayedTextOf(const CellData& cell, bool date1904, const CellStyle& style, long long cellPixels) {
  CellValueForFormat value;
  switch (cell.kind) {
    case CellValueKind::Empty:
      return {};
    case CellValueKind::Number:
      value.kind = CellValueForFormat::Number;
      break;
    case CellValueKind::Boolean:
      value.kind = CellValueForFormat::Boolean;
      break;
    case CellValueKind::Text:
      value.kind = CellValueForFormat::Text;
      break;
    case CellValueKind::Error:
      value.kind = CellValueForFormat::Error;
      break;
  }
  value.number = cell.number;
  value.text = cell.Text();
  DisplayedText shown = FormatCellValue(value, cell.NumberFormat(), date1904);
  if (style.alignment.shrinkToFit || style.alignment.textRotation != 0) return shown;
  return FitToColumn(std::move(shown), cell.number, style.font, cellPixels);
}

std::string ValueText(const CellData& cell) {
  switch (cell.kind) {
    case CellValueKind::Empty:
      return "";
    case CellValueKind::Boolean:
      return cell.Boolean() ? "TRUE" : "FALSE";
    case CellValueKind::Number: {
      // As the value reads as text in Excel's automation: 15 significant digits, the
      // exponent form only for large and small magnitudes (100000, not 1e+05).
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.15G", cell.number);
      return buffer;
    }
    default:
      return cell.Text();
  }
}

std::string RunDescription(const CellText& text, const FontData& cellFont, std::size_t capacity) {
  // Runs that differ only in what the description does not carry (their colour, their
  // size) are one run here: a text of many coloured runs still fits.
  std::vector<std::pair<std::string, std::size_t>> runs;  // fields, last unit
  std::size_t end = 0;  // UTF-16 units of the runs so far
  for (const TextRun& run : text.runs) {
    std::size_t units = Utf8ToUtf16(run.text).size();
    if (units == 0) continue;
    end += units;
    const FontData& font = run.font ? *run.font : cellFont;
    if (font.name.find_first_of("|:") != std::string::npos) return "";
    int script = font.vertAlign == "superscript" ? 1 : font.vertAlign == "subscript" ? 2 : 0;
    std::string fields = font.name + "|b" + (font.bold ? "1" : "0") + "|i" + (font.italic ? "1" : "0") + "|s" +
                         std::to_string(script);
    if (!runs.empty() && runs.back().first == fields)
      runs.back().second = end - 1;
    else
      runs.emplace_back(std::move(fields), end - 1);
  }
  std::string description;
  for (const auto& [fields, last] : runs) {
    if (!description.empty()) description += ':';
    description += fields + "|" + std::to_string(last);
    if (description.size() >= capacity) return "";
  }
  return description;
}

}  // namespace sim
