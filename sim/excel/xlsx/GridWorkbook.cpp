#include "sim/excel/xlsx/GridWorkbook.h"

#include <fstream>

#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/excel/xlsx/XlsxRanges.h"

namespace sim {
namespace {

const char kGridStyles[] =
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="#,##0.00"/></numFmts>)"
    R"(<fonts count="2"><font><sz val="11"/><name val="Calibri"/></font>)"
    R"(<font><b/><sz val="11"/><name val="Calibri"/></font></fonts>)"
    R"(<fills count="3"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill>)"
    R"(<fill><patternFill patternType="solid"><fgColor rgb="FFDDEBF7"/></patternFill></fill></fills>)"
    R"(<borders count="2"><border/><border><left style="thin"/><right style="thin"/><top style="thin"/>)"
    R"(<bottom style="thin"/></border></borders>)"
    R"(<cellXfs count="4"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/>)"
    R"(<xf numFmtId="0" fontId="1" fillId="2" borderId="1" applyFont="1" applyFill="1" applyBorder="1"/>)"
    R"(<xf numFmtId="0" fontId="0" fillId="0" borderId="1" applyBorder="1"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="1" applyNumberFormat="1" applyBorder="1"/></cellXfs>)"
    R"(</styleSheet>)";

}  // namespace

std::string CellReference(int row, int column) {
  std::string plain;
  for (char c : AbsoluteAddressOf({row, column, row, column}))
    if (c != '$') plain += c;
  return plain;
}

std::string GridRange(int rows, int columns) { return "A1:" + CellReference(rows, columns); }

std::string WriteGridWorkbook(const std::string& linuxPath, int rows, int columns) {
  MinimalWorkbookParts parts;
  parts.sheetName = "Data";
  parts.styles = kGridStyles;
  std::string& data = parts.sheetData;
  data.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns) * 48);
  for (int row = 1; row <= rows; ++row) {
    data += "<row r=\"" + std::to_string(row) + "\">";
    for (int column = 1; column <= columns; ++column) {
      const std::string ref = CellReference(row, column);
      if (row == 1)
        data += "<c r=\"" + ref + "\" s=\"1\" t=\"inlineStr\"><is><t>Column " + std::to_string(column) + "</t></is></c>";
      else if (column == 1)
        data += "<c r=\"" + ref + "\" s=\"2\" t=\"inlineStr\"><is><t>Item " + std::to_string(row - 1) + "</t></is></c>";
      else
        data += "<c r=\"" + ref + "\" s=\"3\"><v>" + std::to_string(row * 37 + column * 1001) + ".25</v></c>";
    }
    data += "</row>";
  }
  std::string error;
  std::string bytes = MakeZipArchive(MinimalWorkbookEntries(parts), &error);
  if (!error.empty()) return error;
  std::ofstream out(linuxPath, std::ios::binary);
  out << bytes;
  return out ? "" : "Cannot write " + linuxPath;
}

}  // namespace sim
