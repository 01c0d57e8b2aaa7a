#include <algorithm>

#include "model/CAutoCell.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "output/Symbology.h"
#include "output/TextSpill.h"
#include "settings/QuorvelleSetup.h"

namespace {

// An explicit text width below this is no width: the width follows from the height.
constexpr double kNoFixedWidth = 1e-6;
constexpr double kUnderlineSpacingRatio = 0.2;

RotMatrix TextRotation(int orientation) {
  double angle = orientation == xlUpward     ? fc_pi * 0.5
                 : orientation == xlDownward ? -fc_pi * 0.5
                 : IsOrientationAngle(orientation)      ? orientation * fc_pi / 180.0
                                             : 0.0;
  RotMatrix rotation;
  mdlRMatrix_fromAngle(&rotation, angle);
  return rotation;
}

}  // namespace

TextSizeParam CellTextSize(const CAutoFont& font, const QuorvelleSetup& setup) {
  TextSizeParam size;
  size.mode = 1;
  size.height = font.Size;
  size.width = font.FixedWidth > kNoFixedWidth ? font.FixedWidth : font.Size * setup.TextWFactor;
  return size;
}

TextParamWide CellTextParams(const CAutoCell& cell, const TextSizeParam& size) {
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

namespace {

// The width a one-line horizontal text may take beside the cells it may spill into,
// from its justification point on, and the characters kept when it is wider.
void SetRoom(const CAutoCell& cell, const CTextSpill& spill, const QuorvelleSetup& setup, CCellTextSetting& text) {
  const double w = cell.LayoutWidth, inset = setup.LeftMargin + cell.IndentLevel * setup.indentWidth;
  text.clipped = true;
  if (cell.HorizontalAlignment == xlRight) {
    text.room = w + spill.left - inset;
    text.keep = ETextKeep::End;
  } else if (cell.HorizontalAlignment == xlCenter) {
    text.room = w + 2 * std::min(spill.left, spill.right);
    text.keep = ETextKeep::Middle;
  } else {
    text.room = w + spill.right - inset;
    text.keep = ETextKeep::Start;
  }
}

}  // namespace

int CQVUtiMStation::DrawAutoCellText(const CAutoCell& cell, MSElementDescr* cellDscr, const CTextSpill* spill) {
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
  text.size = CellTextSize(font, setup);
  text.params = CellTextParams(cell, text.size);

  // -1, the options' default, is the host's by-level weight.
  text.weight = static_cast<UInt32>(font.Bold ? setup.BoldLineWeight : setup.DefaultTextWeight);
  text.level = TextLevel(font.Bold, font.Italic);

  const double shift = SpecialCharShift(*cell.Text);
  if (cell.Orientation == xlHorizontal) {
    text.origin.y -= shift;
    JustifyHorizontalText(text.size, text.params, text.origin, cell);
    if (spill && !cell.WrapText) SetRoom(cell, *spill, setup, text);
  } else {
    text.origin.x += shift;
    if (cell.Orientation == xlVertical) return DrawStackedCellText(cell, text, cellDscr);
    if (IsOrientationAngle(cell.Orientation)) return DrawAngledCellText(cell, text, cellDscr);
    JustifyRotatedText(text.size, text.params, text.origin, cell);
    text.rotated = true;
  }

  // The runs are laid out along a horizontal baseline, so upward and downward texts
  // are drawn whole, turned with their cell.
  if (!font.Runs.empty() && !text.rotated && cell.Text->find(u'\n') == std::u16string::npos &&
      DrawCellTextRuns(cell, text, cellDscr))
    return 1;
  return DrawPlainCellText(cell, text, cellDscr);
}
