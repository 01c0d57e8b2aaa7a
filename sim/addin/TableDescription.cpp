#include "sim/addin/TableDescription.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "sim/Strings.h"
#include "sim/addin/CellRecordEncoder.h"
#include "sim/excel/RangeAddress.h"

using nlohmann::json;

namespace sim {
namespace {

// Ranges larger than this are not a description a person writes.
constexpr size_t kMaxCells = 100000;

std::string Address(int row, int column) { return "$" + ColumnLetters(column) + "$" + std::to_string(row); }

void ParseCellName(const std::string& name, int* row, int* column) {
  size_t i = 0;
  *column = 0;
  while (i < name.size() && std::isalpha(static_cast<unsigned char>(name[i])))
    *column = *column * 26 + (std::toupper(static_cast<unsigned char>(name[i++])) - 'A' + 1);
  if (i == 0 || i == name.size() || *column > 16384) throw std::runtime_error("\"" + name + "\" is not a cell name");
  *row = std::stoi(name.substr(i));
  if (*row <= 0) throw std::runtime_error("\"" + name + "\" is not a cell name");
}

// "#RRGGBB" to an Excel colour (red in the low byte).
int Colour(const json& value) {
  std::string s = value.get<std::string>();
  if (s.size() != 7 || s[0] != '#') throw std::runtime_error("a colour is written #RRGGBB, not " + s);
  unsigned long rgb = std::stoul(s.substr(1), nullptr, 16);
  return static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

EdgeDescription Edge(const std::string& style, int colour) {
  struct Style {
    const char* name;
    int lineStyle, weight;
  } styles[] = {{"thin", 1, 2},        {"medium", 1, -4138},    {"thick", 1, 4},     {"double", -4119, 4},
                {"dashed", -4115, 2},  {"dotted", -4118, 2},    {"hair", 1, 1},      {"dashDot", 4, 2},
                {"dashDotDot", 5, 2},  {"none", -4142, 2}};
  for (const auto& s : styles)
    if (style == s.name) return {s.lineStyle, s.weight, colour, 0};
  throw std::runtime_error("unknown border style " + style);
}

void ApplyBorders(const json& borders, int colour, CellDescription& cell) {
  for (const auto& [side, value] : borders.items()) {
    EdgeDescription e = Edge(value.get<std::string>(), colour);
    if (side == "all") {
      cell.leftEdge = cell.topEdge = cell.rightEdge = cell.bottomEdge = e;
    } else if (side == "top") {
      cell.topEdge = e;
    } else if (side == "bottom") {
      cell.bottomEdge = e;
    } else if (side == "left") {
      cell.leftEdge = e;
    } else if (side == "right") {
      cell.rightEdge = e;
    } else if (side == "diagonalUp") {
      cell.diagonalUp = e;
    } else if (side == "diagonalDown") {
      cell.diagonalDown = e;
    } else {
      throw std::runtime_error("unknown border side " + side);
    }
  }
}

int Alignment(const std::string& a) {
  if (a == "left") return -4131;
  if (a == "center") return -4108;
  if (a == "right") return -4152;
  if (a == "general") return 1;
  if (a == "centerAcross") return 7;
  if (a == "top") return -4160;
  if (a == "bottom") return -4107;
  throw std::runtime_error("unknown alignment " + a);
}

struct Merge {
  int row, column, rows, columns;
};

void DescribeRange(const json& r, bool last, TranscriptWriter* out) {
  int originRow = 1, originColumn = 1;
  ParseCellName(r.value("origin", "A1"), &originRow, &originColumn);
  std::vector<double> widths = r.at("columnWidths").get<std::vector<double>>();
  std::vector<double> heights = r.at("rowHeights").get<std::vector<double>>();
  const json& rows = r.at("rows");
  if (!rows.is_array() || rows.size() != heights.size())
    throw std::runtime_error("a range needs one row height per row");
  if (widths.size() * heights.size() > kMaxCells) throw std::runtime_error("the range is too large");
  std::string sheet = r.value("sheet", "Sheet1");
  std::string rangeAddress = Address(originRow, originColumn) + ":" +
                             Address(originRow + static_cast<int>(heights.size()) - 1,
                                     originColumn + static_cast<int>(widths.size()) - 1);
  std::vector<double> lefts(widths.size() + 1, 0), tops(heights.size() + 1, 0);
  for (size_t j = 0; j < widths.size(); ++j) lefts[j + 1] = lefts[j] + widths[j];
  for (size_t i = 0; i < heights.size(); ++i) tops[i + 1] = tops[i] + heights[i];

  // Merged areas first, so that every cell knows the area it lies in.
  std::vector<Merge> merges;
  for (size_t i = 0; i < rows.size(); ++i)
    for (size_t j = 0; j < rows[i].size(); ++j)
      if (rows[i][j].contains("merge")) {
        auto span = rows[i][j].at("merge").get<std::vector<int>>();
        if (span.size() != 2 || span[0] < 1 || span[1] < 1 || j + span[0] > widths.size() || i + span[1] > heights.size())
          throw std::runtime_error("a merged area goes outside the range");
        merges.push_back({static_cast<int>(i), static_cast<int>(j), span[1], span[0]});
      }

  out->Begin(static_cast<int>(widths.size()));
  for (size_t i = 0; i < heights.size(); ++i) {
    if (rows[i].size() > widths.size()) throw std::runtime_error("a row has more cells than the range has columns");
    for (size_t j = 0; j < widths.size(); ++j) {
      json c = j < rows[i].size() ? rows[i][j] : json::object();
      CellDescription cell;
      cell.rangeAddress = rangeAddress;
      cell.sheetName = sheet;
      cell.left = lefts[j];
      cell.top = tops[i];
      cell.width = cell.layoutWidth = widths[j];
      cell.height = cell.layoutHeight = heights[i];
      int row = originRow + static_cast<int>(i), column = originColumn + static_cast<int>(j);
      cell.address = c.value("placeholder", false) ? "" : Address(row, column);
      cell.mergeAddress = cell.address;
      for (const auto& m : merges)
        if (static_cast<int>(i) >= m.row && static_cast<int>(i) < m.row + m.rows && static_cast<int>(j) >= m.column &&
            static_cast<int>(j) < m.column + m.columns) {
          cell.mergeAddress = Address(originRow + m.row, originColumn + m.column) + ":" +
                              Address(originRow + m.row + m.rows - 1, originColumn + m.column + m.columns - 1);
          cell.layoutWidth = lefts[m.column + m.columns] - lefts[m.column];
          cell.layoutHeight = tops[m.row + m.rows] - tops[m.row];
        }
      cell.fontName = c.value("font", r.value("font", std::string("Arial")));
      cell.fontSize = c.value("size", r.value("size", 10.0));
      cell.text = Utf8ToUtf16(c.value("text", std::string()));
      cell.bold = c.value("bold", false);
      cell.italic = c.value("italic", false);
      cell.underline = c.value("underline", false) ? 2 : -4142;
      cell.wrapText = c.value("wrap", false);
      cell.indentLevel = c.value("indent", 0);
      if (c.contains("color")) cell.fontColor = Colour(c["color"]);
      if (c.contains("fill")) {
        cell.fillColor = Colour(c["fill"]);
        cell.fillColorIndex = 1;
        cell.pattern = 1;  // solid
      }
      if (c.contains("pattern")) cell.pattern = c["pattern"].get<int>();
      if (c.contains("patternColor")) cell.patternColor = Colour(c["patternColor"]);
      if (c.contains("align")) cell.horizontalAlignment = Alignment(c["align"].get<std::string>());
      if (c.contains("valign")) cell.verticalAlignment = Alignment(c["valign"].get<std::string>());
      std::string orientation = c.value("orientation", std::string("horizontal"));
      cell.orientation = orientation == "up" ? -4171 : orientation == "down" ? -4170 : -4128;
      int borderColour = c.contains("borderColor") ? Colour(c["borderColor"]) : 0;
      if (r.contains("borders")) ApplyBorders(r["borders"], borderColour, cell);
      if (c.contains("borders")) ApplyBorders(c["borders"], borderColour, cell);
      cell.runDescription = c.value("runs", std::string());
      out->Record(EncodeCellRecord(cell));
    }
  }
  // The add-in asks for the output only at the end of the transfer's last range.
  out->End(r.value("end", last ? 1 : 0));
}

}  // namespace

bool TranscriptFromDescription(const std::string& jsonText, TranscriptWriter* transcript, std::string* error) {
  try {
    json d = json::parse(jsonText);
    if (d.contains("workbook")) transcript->Path(d["workbook"].get<std::string>());
    if (d.contains("messages"))
      for (const auto& m : d["messages"]) transcript->Message(m.get<std::string>());
    const json& ranges = d.at("ranges");
    if (!ranges.is_array() || ranges.empty()) throw std::runtime_error("a description needs at least one range");
    for (size_t i = 0; i < ranges.size(); ++i) DescribeRange(ranges[i], i + 1 == ranges.size(), transcript);
    return true;
  } catch (const std::exception& e) {
    *error = std::string("The table description is not sound: ") + e.what();
    return false;
  }
}

}  // namespace sim
