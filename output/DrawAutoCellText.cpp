#include "model/CAutoCell.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

namespace {

// An explicit text width below this is no width: the width follows from the height.
constexpr double kNoFixedWidth = 1e-6;
constexpr double kUnderlineSpacingRatio = 0.2;

RotMatrix TextRotation(int orientation) {
  double angle = orientation == xlUpward ? fc_pi * 0.5 : orientation == xlDownward ? -fc_pi * 0.5 : 0.0;
  RotMatrix rotation;
  mdlRMatrix_fromAngle(&rotation, angle);
  return rotation;
}

TextSizeParam TextSize(const CAutoFont& font, const QuorvelleSetup& setup) {
  TextSizeParam size;
  size.mode = 1;
  size.height = font.Size;
  size.width = font.FixedWidth > kNoFixedWidth ? font.FixedWidth : font.Size * setup.TextWFactor;
  return size;
}

// Font and style; the justification and line spacing come with the placement.
TextParamWide TextParams(const CAutoCell& cell, const TextSizeParam& size) {
  TextParamWide params;
  params.font = CQVUtiMStation::CellFontNumber(cell);
  params.just = 0;
  if (cell.Font.Italic) params.flags |= TXTFLAG_ITALICS;
  if (cell.Font.Underline) {
    params.flags |= TXTFLAG_UNDERLINE;
    params.underlineSpacing = kUnderlineSpacingRatio * size.height;
  }
  if (cell.Font.Bold) params.exFlags |= TXTEXFLAG_BOLD;
  return params;
}

}  // namespace

int CQVUtiMStation::DrawAutoCellText(const CAutoCell& cell, MSElementDescr* cellDscr) {
  if (!currentOptionSet || !cellDscr) return 0;
  const QuorvelleSetup& setup = *currentOptionSet;
  const CAutoFont& font = cell.Font;
  CCellTextSetting text;
  text.color = ColourByChoice(setup.TextClrOpt, font.Color, font.Bold ? setup.BoldColorIndex : setup.RegularColorIndex);
  if (!cell.HasText()) return 0;

  text.rotation = TextRotation(cell.Orientation);
  text.origin = DPoint3d{cell.Left, -cell.Top, 0};
  if (setup.LeftMargin + cell.IndentLevel * setup.indentWidth > cell.LayoutWidth || cell.LayoutHeight < setup.TopMargin)
    return 0;
  text.size = TextSize(font, setup);
  text.params = TextParams(cell, text.size);

  const double shift = SpecialCharShift(*cell.Text);
  if (cell.Orientation == xlHorizontal) {
    text.origin.y -= shift;
    JustifyHorizontalText(text.size, text.params, text.origin, cell);
  } else {
    text.origin.x += shift;
    JustifyRotatedText(text.size, text.params, text.origin, cell);
    text.rotated = true;
  }
  // -1, the options' default, is the host's by-level weight.
  text.weight = static_cast<UInt32>(font.Bold ? setup.BoldLineWeight : setup.DefaultTextWeight);
  text.level = TextLevel(font.Bold, font.Italic);

  // The runs are laid out along a horizontal baseline, so upward and downward texts
  // are drawn whole, turned with their cell.
  if (!font.Runs.empty() && !text.rotated && cell.Text->find(u'\n') == std::u16string::npos &&
      DrawCellTextRuns(cell, text, cellDscr))
    return 1;
  return DrawPlainCellText(cell, text, cellDscr);
}
