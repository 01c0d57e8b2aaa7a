#include "sim/addin/ShapeRecordEncoder.h"

#include "sim/addin/RecordWriter.h"

namespace sim {

std::vector<unsigned char> EncodeShapeRecord(const ShapeDescription& shape) {
  std::vector<unsigned char> record;
  RecordWriter w(record, kShapeRecordSize);
  w.Double(kShapeLeft, shape.left);
  w.Double(kShapeTop, shape.top);
  w.Double(kShapeWidth, shape.width);
  w.Double(kShapeHeight, shape.height);
  w.Double(kShapeRotation, shape.rotation);
  w.Double(kShapeFontSize, shape.fontSize);
  w.Double(kShapeLineWeight, shape.lineWeight);
  w.Double(kShapeFillTransparency, shape.fillTransparency);
  w.Double(kShapeAdjustment1, shape.adjustment1);
  w.Double(kShapeAdjustment2, shape.adjustment2);
  w.Int32(kShapeLineVisible, shape.lineVisible);
  w.Int32(kShapeLineColor, shape.lineColor);
  w.Int32(kShapeLineDashStyle, shape.lineDashStyle);
  w.Int32(kShapeBeginArrowStyle, shape.beginArrowStyle);
  w.Int32(kShapeBeginArrowLength, shape.beginArrowLength);
  w.Int32(kShapeBeginArrowWidth, shape.beginArrowWidth);
  w.Int32(kShapeEndArrowStyle, shape.endArrowStyle);
  w.Int32(kShapeEndArrowLength, shape.endArrowLength);
  w.Int32(kShapeEndArrowWidth, shape.endArrowWidth);
  w.Int32(kShapeFillColor, shape.fillColor);
  w.Int32(kShapeFillVisible, shape.fillVisible);
  w.Int32(kShapeVerticalFlip, shape.verticalFlip);
  w.Int32(kShapeHorizontalFlip, shape.horizontalFlip);
  w.Int32(kShapeType, shape.shapeType);
  w.Int32(kShapeAutoShapeType, shape.autoShapeType);
  w.Int32(kShapeTextHorizontalAlignment, shape.textHorizontalAlignment);
  w.Int32(kShapeTextVerticalAlignment, shape.textVerticalAlignment);
  w.Int32(kShapeTextUnderline, shape.textUnderline);
  w.Int32(kShapeTextColor, shape.textColor);
  w.Int32(kShapeConnectorFlag, shape.connector);
  w.Int32(kShapeConnectorType, shape.connectorType);
  w.Byte(kShapeTextBold, shape.textBold);
  w.Byte(kShapeTextItalic, shape.textItalic);
  w.String(kShapePicturePath, shape.picturePath);
  w.String(kShapeFontName, shape.fontName);
  w.WideString(kShapeText, shape.text);
  return record;
}

}  // namespace sim
