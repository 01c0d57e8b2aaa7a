// The writer of table models into the design file: the output driver that turns a
// table into the members of its table cell, the placement of that cell with the
// table's pictures, and the element drawers the driver calls.
//
// Tables are in Excel points, y downwards; the drawers draw them in master units
// with y upwards, one point to one master unit, and the placement scales the cell
// by the placement scale k.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <array>
#include <optional>

#include "host/mselmdscr.h"
#include "host/msgeom.h"
#include "settings/OperationMode.h"

class CAutoCell;
class CAutoLine;
class CQuorvelle;
struct CTextSpill;

class CQVUtiMStation {
 public:
  // Draws the table into the cell descriptor: fills, patterns and diagonals, texts,
  // border lines, drawing objects and the texts of text boxes, in that order. 0, with
  // nothing drawn, when the table has neither cells nor drawing objects. With an
  // origin (master units) the cell is then placed there and the descriptor freed and
  // set to null; 0 when the design file did not take it. Without an origin the cell
  // stays pending for the caller's dynamics. 1 otherwise; but with an origin 0, and
  // the descriptor freed, when the drawing left nothing to place. The mode is the
  // running operation's: an update draws with the font map the table was made with.
  static int OutputTableToDgn(CQuorvelle& table, MSElementDescr*& cellDscr, const DPoint3d* origin,
                              EFuncState mode);
  // Three passes over the cells, each cell left to right and row by row: fills; then
  // hatch patterns and diagonal lines; then texts, each by the option set's ImportObj.
  static void OutputTableTextAndBK(CQuorvelle& table, MSElementDescr* cellDscr);
  // The border lines of the table; 0 at once when border lines are not imported, else 1.
  static int DrawBorders(CQuorvelle& table, MSElementDescr* cellDscr);
  // Every drawing object but the pictures, then the texts of text boxes.
  static void DrawObjects(CQuorvelle& table, MSElementDescr* cellDscr);

  // Places the cell at the origin (master units) with the option set's rotation, the
  // scale k times the table scale, and attaches the table's pictures beside it. The
  // descriptor is freed and set to null. The new cell's file position, 0 when the
  // design file did not take it.
  static ULong PlaceTableCell(CQuorvelle& table, MSElementDescr*& cellDscr, const DPoint3d& origin,
                              const DPoint3d& tableScale);
  // The same placement at a data point of the create command (storage units), with
  // the scale (k, k, 1); the pictures turn with the table at any angle.
  static ULong PlaceAtDataPoint(CQuorvelle& table, MSElementDescr*& cellDscr, const DPoint3d& point);

  // Whether the drawn cell holds something to place: a member, or a picture of the
  // table to attach beside it.
  static bool HasSomethingToPlace(const CQuorvelle& table, const MSElementDescr* cellDscr);

  // The index (0-255) of the active model's colour nearest to the Excel colour (red
  // in the low byte). Greys match only greys and colours only colours.
  static int NearestColorIndex(int rgb);
  // The factor k from Excel points to master units of the option set in force.
  static double PlacementScale();

  // The element drawers. Each returns 1 when it appended something to the cell, else 0.

  // Appends the cell's fill as a filled shape over the cell or its merged area.
  static int DrawCellFill(const CAutoCell& cell, MSElementDescr* cellDscr);
  // Appends the hatch lines of the cell's fill pattern.
  static int DrawCellPattern(const CAutoCell& cell, MSElementDescr* cellDscr);
  // Appends the cell's diagonal-up border line.
  static int DrawDiagonalUp(const CAutoCell& cell, MSElementDescr* cellDscr);
  // Appends the cell's diagonal-down border line.
  static int DrawDiagonalDown(const CAutoCell& cell, MSElementDescr* cellDscr);
  // Appends the cell's text in its font, size, alignment and colour. With the spill the
  // row leaves it, a one-line horizontal text wider than its room keeps only the whole
  // characters that fit, so that it never runs over a neighbour's text; without, the
  // text is drawn whole.
  static int DrawAutoCellText(const CAutoCell& cell, MSElementDescr* cellDscr, const CTextSpill* spill = nullptr);
  // Appends one border line segment with its level, colour, weight and line style.
  static int DrawBorderSegment(const CAutoLine& segment, MSElementDescr* cellDscr);

  // The corners of the area a cell's fill and pattern cover, the first repeated last:
  // the cell, or the whole merged area for its top-left cell, widened by half the
  // double-line gap at double edges. None for the other cells of a merged area.
  static std::optional<std::array<DPoint3d, 5>> CellArea(const CAutoCell& cell);
  // Colour, weight and line style of a border line by the options in force.
  static void SetLineSymbology(MSElement& element, const CAutoLine& segment);
  // The level of border and diagonal lines of the Excel border weight.
  static LevelID BorderLevel(int excelWeight);

  // The pieces of the cell text drawer. Lengths are in table units.

  // The family name that Excel's short name of a Bitstream font stands for; any other
  // name comes back unchanged.
  static std::string MapBTFontName(const std::string& excelName);
  // The MicroStation font of the cell's text; the active font when the cell's font
  // resolves to none.
  static UInt32 CellFontNumber(const CAutoCell& cell);
  // The width of the text as the host draws it with that size and those parameters;
  // 0 when the host cannot make it a text.
  static double MeasureTextWidth(std::u16string_view text, const TextSizeParam& size, const TextParamWide& params);
  // The lines of the cell's text: one per line feed, and with wrapping on, broken to
  // the length the cell leaves the text (its height for rotated text). A line broken
  // at a space keeps the space.
  static std::vector<std::u16string> SplitCellText(const CAutoCell& cell, const TextSizeParam& size,
                                                   const TextParamWide& params, bool rotated);
  // The justification and line spacing of a horizontal text, and its origin moved from
  // the cell's top-left corner to the justification point inside the margins.
  static void JustifyHorizontalText(const TextSizeParam& size, TextParamWide& params, DPoint3d& origin,
                                    const CAutoCell& cell);
  // The same for upward and downward text, whose justification turns with it.
  static void JustifyRotatedText(const TextSizeParam& size, TextParamWide& params, DPoint3d& origin,
                                 const CAutoCell& cell);
  // The level of a text by the text level options.
  static LevelID TextLevel(bool bold, bool italic);
};
