#include "sim/addin/RangeRecords.h"

#include "sim/Strings.h"
#include "sim/addin/CellTexts.h"
#include "sim/addin/ExcelEnumerations.h"
#include "sim/excel/xlsx/XlsxRanges.h"

namespace sim {
namespace {

// The record's text slot holds this many UTF-16 units and its NUL.
constexpr std::size_t kRecordTextUnits = kCellText.size / 2 - 1;
constexpr int kXlSolid = 1;
constexpr int kXlPatternLinearGradient = 4000;
constexpr int kXlPatternRectangularGradient = 4001;
constexpr int kWhite = 0xFFFFFF;

int ToExcelRgb(std::uint32_t rgb) { return static_cast<int>(ColorData{true, false, rgb}.ExcelRgb()); }

bool Shown(const ColorData& color) { return color.present && !color.automatic; }

// Automatic colours are reported as black, as Excel does for fonts and borders.
int ColorOrBlack(const ColorData& color) { return Shown(color) ? static_cast<int>(color.ExcelRgb()) : 0; }

EdgeDescription Edge(const BorderEdge& edge, unsigned char priority) {
  ExcelLineStyle style = ExcelBorderStyle(edge.style);
  if (style.lineStyle == kXlNone) return EdgeDescription{};
  return EdgeDescription{style.lineStyle, style.weight, ColorOrBlack(edge.color), priority};
}

// Interior.Color, ColorIndex, Pattern and PatternColor. A pattern's cells show its
// background colour under it, or nothing when the background is automatic.
void DescribeFill(const FillData& fill, CellDescription& cell) {
  cell.fillColor = kWhite;
  cell.fillColorIndex = kXlNone;
  cell.pattern = kXlNone;
  cell.patternColor = 0;
  if (!fill.gradientType.empty()) {
    cell.pattern = fill.gradientType == "path" ? kXlPatternRectangularGradient : kXlPatternLinearGradient;
    if (!fill.gradientStops.empty() && Shown(fill.gradientStops.front().color)) {
      const ColorData& first = fill.gradientStops.front().color;
      cell.fillColor = static_cast<int>(first.ExcelRgb());
      cell.fillColorIndex = ExcelColorIndex(first.rgb);
    }
    return;
  }
  cell.pattern = ExcelPattern(fill.patternType);
  if (cell.pattern == kXlNone) return;
  if (cell.pattern == kXlSolid) {
    cell.fillColor = static_cast<int>(fill.fgColor.ExcelRgb());
    cell.fillColorIndex = ExcelColorIndex(fill.fgColor.rgb);
    return;
  }
  cell.patternColor = ColorOrBlack(fill.fgColor);
  if (Shown(fill.bgColor)) {
    cell.fillColor = static_cast<int>(fill.bgColor.ExcelRgb());
    cell.fillColorIndex = ExcelColorIndex(fill.bgColor.rgb);
  } else {
    cell.fillColorIndex = kXlAutomatic;
  }
}

}  // namespace

CRangeRecords::CRangeRecords(const WorkbookData& book, int sheetIndex, const CellRect& range, const CellMap& cells)
    : book_(book),
      sheet_(book.sheets.at(static_cast<std::size_t>(sheetIndex))),
      cells_(cells),
      range_(range),
      geometry_(CSheetGeometry::Of(book, sheet_)),
      rangeAddress_(AbsoluteAddressOf(range)) {
  for (const CellRect& area : sheet_.mergedCells)
    if (area.firstRow <= range.lastRow && area.lastRow >= range.firstRow && area.firstColumn <= range.lastColumn &&
        area.lastColumn >= range.firstColumn)
      mergedAreas_.push_back(area);
}

const CellRect* CRangeRecords::MergedAreaAt(int row, int column) const {
  for (const CellRect& area : mergedAreas_)
    if (area.Contains(row, column)) return &area;
  return nullptr;
}

// A cell without content has the format of its column, else the workbook's default.
const CellStyle& CRangeRecords::StyleAt(int row, int column) const {
  if (const CellData* data = FindCell(cells_, row, column); data && data->style) return *data->style;
  if (const ColumnData* entry = sheet_.FindColumn(column);
      entry && entry->styleIndex > 0 && static_cast<std::size_t>(entry->styleIndex) < book_.styles.size())
    return *book_.styles[static_cast<std::size_t>(entry->styleIndex)];
  return *book_.styles.front();
}

CellDescription CRangeRecords::Describe(int row, int column) const {
  CellDescription cell;
  cell.rangeAddress = rangeAddress_;
  cell.sheetName = sheet_.name;
  CellBox box = geometry_.CellBoxIn(range_, row, column);
  cell.left = box.left;
  cell.top = box.top;
  cell.width = cell.layoutWidth = box.width;
  cell.height = cell.layoutHeight = box.height;
  if (box.width <= 0 || box.height <= 0) return cell;  // hidden: a placeholder

  CellRect own{row, column, row, column};
  cell.address = AbsoluteAddressOf(own);
  cell.mergeAddress = cell.address;
  long long cellPixels = geometry_.ColumnPixels(column);
  if (const CellRect* area = MergedAreaAt(row, column)) {
    cell.mergeAddress = AbsoluteAddressOf(*area);
    CellBox areaBox = geometry_.AreaBoxIn(range_, *area);
    cell.layoutWidth = areaBox.width;
    cell.layoutHeight = areaBox.height;
    cellPixels = geometry_.ColumnsPixels(area->firstColumn, area->lastColumn);
  }
  const CellStyle& style = StyleAt(row, column);
  DescribeFormat(FindCell(cells_, row, column), style, cellPixels, cell);
  DescribeBorders(row, column, style, cell);
  return cell;
}

void CRangeRecords::DescribeFormat(const CellData* data, const CellStyle& style, long long cellPixels,
                                   CellDescription& cell) const {
  const FontData& font = style.font;
  cell.fontName = font.name;
  cell.fontSize = font.size;
  cell.bold = font.bold;
  cell.italic = font.italic;
  cell.underline = ExcelUnderline(font.underline);
  cell.fontColor = ColorOrBlack(font.color);

  const AlignmentData& alignment = style.alignment;
  cell.horizontalAlignment =
      ExcelHorizontalAlignment(alignment.horizontal, data ? data->kind : CellValueKind::Empty);
  cell.verticalAlignment = ExcelVerticalAlignment(alignment.vertical);
  cell.orientation = ExcelOrientation(alignment.textRotation);
  cell.indentLevel = alignment.indent;
  cell.wrapText = alignment.wrapText;
  DescribeFill(style.fill, cell);

  if (!data || data->kind == CellValueKind::Empty) return;
  DisplayedText shown = DisplayedTextOf(*data, book_.date1904, style, cellPixels);
  cell.text = Utf8ToUtf16(shown.text);
  if (shown.colorIndex) cell.fontColor = ToExcelRgb(PaletteColor(*shown.colorIndex));
  cell.textInfo1 = style.numberFormat;
  cell.textInfo2 = ValueText(*data);
  if (data->kind == CellValueKind::Text && data->text && !data->text->runs.empty() &&
      shown.text == data->text->text && cell.text.size() <= kRecordTextUnits)
    cell.runDescription = RunDescription(*data->text, font, kCellRunDescription.size);
}

// Range.Borders: the cell's own edges, and where it has none, the adjacent edge of
// the neighbour on that side, which Excel draws on the same line.
void CRangeRecords::DescribeBorders(int row, int column, const CellStyle& style, CellDescription& cell) const {
  const BorderData& own = style.border;
  auto edge = [&](const BorderEdge& mine, int neighbourRow, int neighbourColumn, BorderEdge BorderData::*facing) {
    if (ExcelBorderStyle(mine.style).lineStyle != kXlNone) return Edge(mine, 1);
    bool inGrid = neighbourRow >= 1 && neighbourColumn >= 1 && neighbourRow <= kMaxRow && neighbourColumn <= kMaxColumn;
    return inGrid ? Edge(StyleAt(neighbourRow, neighbourColumn).border.*facing, 0) : EdgeDescription{};
  };
  cell.leftEdge = edge(own.left, row, column - 1, &BorderData::right);
  cell.rightEdge = edge(own.right, row, column + 1, &BorderData::left);
  cell.topEdge = edge(own.top, row - 1, column, &BorderData::bottom);
  cell.bottomEdge = edge(own.bottom, row + 1, column, &BorderData::top);
  if (own.diagonalDown) cell.diagonalDown = Edge(own.diagonal, 0);
  if (own.diagonalUp) cell.diagonalUp = Edge(own.diagonal, 0);
}

}  // namespace sim
