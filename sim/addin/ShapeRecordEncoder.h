// The add-in's side of the drawing-object record: one drawing object of a range as
// the bytes the add-in sends, laid out as automation/ShapeRecordLayout.h says.
#pragma once

#include <string>
#include <vector>

#include "automation/ShapeRecordLayout.h"

namespace sim {

// One drawing object as the add-in reads it from Excel's Shape object: its box in
// points from the range's top-left corner, Office's enumeration values and Excel RGB
// colours (red in the low byte).
struct ShapeDescription {
  double left = 0, top = 0, width = 0, height = 0;
  double rotation = 0;  // degrees clockwise
  double fontSize = 11;
  double lineWeight = 0.75;
  double fillTransparency = 0;
  double adjustment1 = 0, adjustment2 = 0;
  int lineVisible = 1;
  int lineColor = 0;
  int lineDashStyle = kMsoLineSolid;
  int beginArrowStyle = kMsoArrowheadNone;
  int beginArrowLength = kMsoArrowheadMedium;
  int beginArrowWidth = kMsoArrowheadMedium;
  int endArrowStyle = kMsoArrowheadNone;
  int endArrowLength = kMsoArrowheadMedium;
  int endArrowWidth = kMsoArrowheadMedium;
  int fillColor = 0xFFFFFF;
  int fillVisible = 1;
  int verticalFlip = 0;
  int horizontalFlip = 0;
  int shapeType = kMsoAutoShape;
  int autoShapeType = kMsoShapeRectangle;
  int textHorizontalAlignment = -4131;  // xlHAlignLeft
  int textVerticalAlignment = -4160;    // xlVAlignTop
  int textUnderline = -4142;            // xlUnderlineStyleNone
  int textColor = 0;
  int connector = 0;
  int connectorType = kMsoConnectorStraight;
  bool textBold = false;
  bool textItalic = false;
  std::string picturePath;  // a Windows path of the image file the add-in saved
  std::string fontName = "Calibri";
  std::u16string text;      // without a byte-order mark
};

// Strings too long for their slot are cut so that the terminating NUL still fits.
std::vector<unsigned char> EncodeShapeRecord(const ShapeDescription& shape);

}  // namespace sim
