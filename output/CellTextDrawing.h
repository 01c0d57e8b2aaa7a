// The two ways a cell's text is drawn, and what the cell text drawer settles for
// them first: where the text goes, how it turns, its size, parameters and
// symbology. Lengths are in table units.
#pragma once

#include <string>

#include "host/mselmdscr.h"
#include "host/msgeom.h"

class CAutoCell;

struct CCellTextSetting {
  DPoint3d origin;         // the justification point
  RotMatrix rotation;
  bool rotated = false;    // upward or downward text
  TextSizeParam size;
  TextParamWide params;
  UInt32 color = 0;
  UInt32 weight = 0;
  LevelID level = 0;
};

// The cell's character runs as one text node, appended to the cell when it fits the
// cell's width; false, with nothing appended, when it does not fit or cannot be made.
bool DrawCellTextRuns(const CAutoCell& cell, const CCellTextSetting& text, MSElementDescr* cellDscr);
// The cell's text as one text element, or as a node of its lines; 1 when appended.
int DrawPlainCellText(const CAutoCell& cell, const CCellTextSetting& text, MSElementDescr* cellDscr);
// How far a text holding one of the characters the user marked as special moves
// (down, or right when rotated): the user's shift times the placement scale; 0 for
// other texts.
double SpecialCharShift(const std::u16string& text);
