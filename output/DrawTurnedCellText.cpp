// Texts turned by an angle between the right ones, and stacked texts. Both are laid
// out as a block of lines whose upright extent is placed in the cell by the cell's
// alignments, inside the margins, as a sheet places them: bottom-aligned text rests
// on the cell's bottom, left-aligned text starts at its left, and so on.
#include <algorithm>
#include <cmath>

#include "host/mstext.h"
#include "model/CAutoCell.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "settings/QuorvelleSetup.h"

namespace {

// Stacked characters follow each other as closely as the lines of a sheet's cell:
// about 1.36 times the font's size apart.
constexpr double kStackedSpacingRatio = 0.36;

struct CBlock {
  double width = 0, height = 0;  // upright extent
};

// Where the centre of a block goes, horizontally and vertically, in the cell whose
// top-left corner is the text's origin.
DPoint3d BlockCentre(const CAutoCell& cell, const DPoint3d& corner, const CBlock& block) {
  const QuorvelleSetup& setup = *currentOptionSet;
  const double w = cell.LayoutWidth, h = cell.LayoutHeight;
  DPoint3d centre = corner;
  if (cell.HorizontalAlignment == xlRight)
    centre.x += w - setup.LeftMargin - block.width / 2;
  else if (cell.HorizontalAlignment == xlCenter)
    centre.x += w / 2;
  else
    centre.x += setup.LeftMargin + block.width / 2;
  if (cell.VerticalAlignment == xlCenter)
    centre.y -= h / 2;
  else if (cell.VerticalAlignment == xlBottom)
    centre.y -= h - setup.TopMargin - block.height / 2;
  else
    centre.y -= setup.TopMargin + block.height / 2;
  return centre;
}

double WidestLine(const std::vector<std::u16string>& lines, const CCellTextSetting& text) {
  double widest = 0;
  for (const auto& line : lines)
    widest = std::max(widest, CQVUtiMStation::MeasureTextWidth(line, text.size, text.params));
  return widest;
}

double BlockHeight(size_t lines, const CCellTextSetting& text) {
  const double n = static_cast<double>(lines);
  return n * text.size.height + (n - 1) * text.params.lineSpacing;
}

}  // namespace

int DrawAngledCellText(const CAutoCell& cell, CCellTextSetting text, MSElementDescr* cellDscr) {
  text.params.lineSpacing = kLineSpacingRatio * text.size.height;
  text.params.just = TXTJUST_CC;
  std::vector<std::u16string> lines;
  for (std::u16string_view segment : SegmentsAtFeeds(*cell.Text)) lines.emplace_back(segment);
  const double along = WidestLine(lines, text), across = BlockHeight(lines.size(), text);
  const double angle = cell.Orientation * fc_pi / 180.0;
  const double c = std::fabs(std::cos(angle)), s = std::fabs(std::sin(angle));
  text.origin = BlockCentre(cell, text.origin, {along * c + across * s, along * s + across * c});
  return AppendTextLines(std::move(lines), text, cellDscr);
}

int DrawStackedCellText(const CAutoCell& cell, CCellTextSetting text, MSElementDescr* cellDscr) {
  std::vector<std::u16string> lines;
  for (size_t i = 0; i < cell.Text->size(); ++i) {
    const char16_t c = (*cell.Text)[i];
    if (c == kByteOrderMark || c == u'\n') continue;
    std::u16string character(1, c);
    // The two halves of a character outside the basic plane stay together.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < cell.Text->size()) character += (*cell.Text)[++i];
    lines.push_back(std::move(character));
  }
  if (lines.empty()) return 0;
  text.params.lineSpacing = kStackedSpacingRatio * text.size.height;
  const CBlock block{WidestLine(lines, text), BlockHeight(lines.size(), text)};
  text.params.just = TXTJUST_CC;
  text.origin = BlockCentre(cell, text.origin, block);
  return AppendTextLines(std::move(lines), text, cellDscr);
}
