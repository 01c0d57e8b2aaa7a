// The two ways a cell's text is drawn, and what the cell text drawer settles for
// them first: where the text goes, how it turns, its size, parameters and
// symbology. Lengths are in table units.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/mselmdscr.h"
#include "host/msgeom.h"

class CAutoCell;
class CAutoFont;
class QuorvelleSetup;

// The gap between the lines of a text, in text heights.
constexpr double kLineSpacingRatio = 0.75;

// Which characters of a text too wide for its room stay: the first ones (a text that
// runs to the right), the last ones (to the left), or the middle ones (centred).
enum class ETextKeep { Start, End, Middle };

struct CCellTextSetting {
  DPoint3d origin;         // the justification point
  RotMatrix rotation;
  bool rotated = false;    // upward or downward text
  TextSizeParam size;
  TextParamWide params;
  UInt32 color = 0;
  UInt32 weight = 0;
  LevelID level = 0;
  // Set when the cells beside the cell are known: the width a horizontal one-line text
  // may take, the cell's own and that of the empty cells it may spill into.
  bool clipped = false;
  double room = 0;
  ETextKeep keep = ETextKeep::Start;
};

// The size of a cell's text, by its font and the options.
TextSizeParam CellTextSize(const CAutoFont& font, const QuorvelleSetup& setup);
// The font and style of a cell's text; the justification and line spacing come with
// its placement.
TextParamWide CellTextParams(const CAutoCell& cell, const TextSizeParam& size);

// The cell's character runs as one text node, appended to the cell when it fits the
// cell's width; false, with nothing appended, when it does not fit or cannot be made.
bool DrawCellTextRuns(const CAutoCell& cell, const CCellTextSetting& text, MSElementDescr* cellDscr);
// The cell's text as one text element, or as a node of its lines; 1 when appended.
int DrawPlainCellText(const CAutoCell& cell, const CCellTextSetting& text, MSElementDescr* cellDscr);
// Lines as one text element, or as a node of the lines trimmed of spaces; 1 when
// appended.
int AppendTextLines(std::vector<std::u16string> lines, const CCellTextSetting& text, MSElementDescr* cellDscr);
// A text turned by an angle between the right ones: its lines as one block, turned
// about its centre, whose upright bounding box sits in the cell by its alignments.
int DrawAngledCellText(const CAutoCell& cell, CCellTextSetting text, MSElementDescr* cellDscr);
// Stacked text: one character under the other, top to bottom, upright.
int DrawStackedCellText(const CAutoCell& cell, CCellTextSetting text, MSElementDescr* cellDscr);
// The pieces of a text between its line feeds (the feeds left out); one for a text
// without feeds.
std::vector<std::u16string_view> SegmentsAtFeeds(std::u16string_view text);
// The whole characters of the text that fit the width, the ones the keep names; a
// leading byte-order mark stays. Measured as the host draws the text.
std::u16string TextThatFits(std::u16string_view text, const TextSizeParam& size, const TextParamWide& params,
                            double width, ETextKeep keep);
// How far a text holding one of the characters the user marked as special moves
// (down, or right when rotated): the user's shift times the placement scale; 0 for
// other texts.
double SpecialCharShift(const std::u16string& text);
