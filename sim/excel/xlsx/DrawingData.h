// The drawing objects of a sheet as the stand-in Excel holds them once read: where
// each is anchored, what it is, and its line, fill, geometry and text, with colours
// resolved to RGB. Names keep the spelling of the file ("roundRect", "sysDot",
// "triangle", "ctr"); mapping them to Office's enumeration values is the business of
// whoever hands the objects on.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace sim {

// A corner of a two-cell anchor: a cell of the sheet (0-based, as the file counts)
// and the offset into it in points.
struct DrawingMarker {
  int column = 0;
  double columnOffset = 0;
  int row = 0;
  double rowOffset = 0;
};

struct DrawingAnchor {
  enum class Kind { TwoCell, OneCell, Absolute };
  Kind kind = Kind::TwoCell;
  DrawingMarker from;      // TwoCell, OneCell
  DrawingMarker to;        // TwoCell
  double x = 0, y = 0;     // Absolute: points from the sheet's top-left corner
  double width = 0;        // OneCell, Absolute: points
  double height = 0;
};

enum class DrawingKind { Shape, TextBox, Connector, Picture, Chart };

// One end of a line: DrawingML's type, w and len ("triangle", "med", "lg").
struct LineEndData {
  std::string type = "none";
  std::string width = "med";
  std::string length = "med";
};

struct DrawingLineData {
  bool visible = true;
  std::uint32_t rgb = 0;  // 0xRRGGBB
  double weight = 0.75;   // points
  std::string dash = "solid";
  LineEndData head;       // where the line begins
  LineEndData tail;       // where it ends
};

struct DrawingFillData {
  bool visible = true;
  std::uint32_t rgb = 0xFFFFFF;
  double transparency = 0;  // 0 opaque .. 1 clear
};

struct DrawingTextData {
  std::string text;  // UTF-8, paragraphs joined by "\n"
  std::string fontName = "Calibri";
  double fontSize = 11;  // points
  bool bold = false;
  bool italic = false;
  std::string underline;  // "" none, or DrawingML's name ("sng", "dbl", ...)
  std::uint32_t rgb = 0;
  std::string align = "l";   // the first paragraph's: "l", "ctr", "r", "just", ...
  std::string anchor = "t";  // "t", "ctr", "b"
};

struct DrawingObjectData {
  int id = 0;        // cNvPr id
  std::string name;  // cNvPr name ("Rectangle 1")
  DrawingKind kind = DrawingKind::Shape;
  DrawingAnchor anchor;  // of the object, or of the group it belongs to
  // The object's box as fractions of its anchor's box: a group's members share the
  // group's anchor.
  double boxLeft = 0, boxTop = 0, boxWidth = 1, boxHeight = 1;
  double rotation = 0;  // degrees clockwise
  bool flipH = false;
  bool flipV = false;
  std::string geometry;  // the preset's name; "" for a custom geometry
  std::map<std::string, double> adjustments;  // avLst guides by name, as written ("adj1" -> 50000)
  DrawingLineData line;
  DrawingFillData fill;
  bool hasText = false;  // a text body with at least one character
  DrawingTextData text;
  std::string mediaPart;  // Picture, and a Chart that carries its own picture
  std::string chartPart;  // Chart
};

// An object (or the whole drawing part) left out when the workbook was read, and
// why; the anchor when the object had a readable one, so that the warning goes with
// the ranges the object lies in.
struct DrawingWarning {
  std::string text;
  std::optional<DrawingAnchor> anchor;
};

}  // namespace sim
