#include "model/CellRecordConversion.h"

#include "model/CharacterRuns.h"
#include "model/ExcelConstants.h"
#include "settings/QuorvelleSetup.h"

namespace {

void ReadEdge(const CCellRecord& record, size_t block, bool hasPriority, const QuorvelleSetup& setup,
              CAutoBorder& edge) {
  edge.LineStyle = record.Int32(block + kEdgeLineStyle);
  edge.Weight = record.Int32(block + kEdgeWeight);
  edge.Color = record.Int32(block + kEdgeColor);
  if (hasPriority) edge.Priority = record.Byte(block + kEdgePriority);
  edge.DeriveStyle(setup);
}

// Upward, downward and stacked text, and angles between, as the sheet shows them. A
// right angle is the upward or downward text it looks like, and a value Excel never
// sends is horizontal text.
int StoredOrientation(int sent) {
  if (sent == xlUpward || sent == xlDownward || sent == xlVertical) return sent;
  if (sent == kMaxOrientationDegrees) return xlUpward;
  if (sent == -kMaxOrientationDegrees) return xlDownward;
  return IsOrientationAngle(sent) ? sent : xlHorizontal;
}

}  // namespace

CAutoCell ReadCellRecord(const CCellRecord& record, QuorvelleSetup& setup) {
  CAutoCell cell;
  cell.Left = record.Double(kCellLeft);
  cell.Top = record.Double(kCellTop);
  cell.Width = record.Double(kCellWidth);
  cell.Height = record.Double(kCellHeight);
  cell.LayoutWidth = record.Double(kCellLayoutWidth);
  cell.LayoutHeight = record.Double(kCellLayoutHeight);

  cell.Orientation = StoredOrientation(record.Int32(kCellOrientation));
  cell.IndentLevel = record.Int32(kCellIndentLevel);
  cell.HorizontalAlignment = record.Int32(kCellHorizontalAlignment);
  cell.VerticalAlignment = record.Int32(kCellVerticalAlignment);
  cell.WrapText = record.Byte(kCellWrapText) != 0;

  const std::u16string text = record.WideString(kCellText);
  if (!text.empty()) cell.SetText(kByteOrderMark + text);

  CAutoInterior& interior = cell.Interior;
  interior.ColorIndex = record.Int32(kCellFillColorIndex);
  if (interior.ColorIndex != xlNone && interior.ColorIndex != xlAutomatic)
    interior.Color = record.Int32(kCellFillColor);
  interior.SetPattern(record.Int32(kCellPattern), record.Int32(kCellPatternColor), setup.patternUnitFlag);

  CAutoFont& font = cell.Font;
  font.Bold = record.Byte(kCellBold) != 0;
  font.Italic = record.Byte(kCellItalic) != 0;
  font.Color = record.Int32(kCellFontColor);
  font.Underline = record.Int32(kCellUnderline) != xlUnderlineStyleNone;
  font.Size = record.Double(kCellFontSize) * setup.TextScaleFactor();
  font.Name = record.String(kCellFontName);
  font.Runs = BuildCharacterRuns(record.String(kCellRunDescription), text, setup);
  setup.fontMap.AddExcelFont(font.Name, font.Bold, font.Italic);

  CAutoBorders& borders = cell.Borders;
  ReadEdge(record, kEdgeBlockLeft, true, setup, borders.Edges[kEdgeLeft]);
  ReadEdge(record, kEdgeBlockTop, true, setup, borders.Edges[kEdgeTop]);
  ReadEdge(record, kEdgeBlockRight, true, setup, borders.Edges[kEdgeRight]);
  ReadEdge(record, kEdgeBlockBottom, true, setup, borders.Edges[kEdgeBottom]);
  ReadEdge(record, kEdgeBlockDiagonalDown, false, setup, borders.Edges[kEdgeDiagonalDown]);
  ReadEdge(record, kEdgeBlockDiagonalUp, false, setup, borders.Edges[kEdgeDiagonalUp]);

  cell.Address = record.String(kCellAddress);
  cell.MergeAddress = record.String(kCellMergeAddress);
  cell.TextInfo1 = record.String(kCellTextInfo1);
  cell.TextInfo2 = record.String(kCellTextInfo2);
  return cell;
}
