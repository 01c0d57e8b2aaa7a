#include "sim/addin/RangeShapes.h"

#include <algorithm>
#include <cmath>

#include "sim/Strings.h"
#include "sim/addin/ExcelEnumerations.h"
#include "sim/addin/PictureFiles.h"
#include "sim/addin/ShapeEnumerations.h"
#include "sim/excel/xlsx/SheetGeometry.h"

namespace sim {
namespace {

struct Box {
  double left = 0, top = 0, width = 0, height = 0;
  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
};

// Sums of the same column widths and row heights meet exactly; the margin takes
// what rounding the fractions of a group's members leave.
constexpr double kEdgeMargin = 1e-6;

bool Within(const Box& inner, const Box& outer) {
  return inner.left >= outer.left - kEdgeMargin && inner.top >= outer.top - kEdgeMargin &&
         inner.Right() <= outer.Right() + kEdgeMargin && inner.Bottom() <= outer.Bottom() + kEdgeMargin;
}

std::uint32_t ExcelRgbOf(std::uint32_t rgb) {
  ColorData color;
  color.rgb = rgb;
  return color.ExcelRgb();
}

bool IsStraightLine(std::string_view geometry) { return geometry == "line" || geometry == "straightConnector1"; }

class CShapeDescriber {
 public:
  CShapeDescriber(const WorkbookData& book, const SheetData& sheet, const std::string& workbookPath)
      : book_(book), sheet_(sheet), geometry_(CSheetGeometry::Of(book, sheet)), workbookPath_(workbookPath) {}

  Box AreaBox(const CellRect& area) const {
    return {geometry_.ColumnsWidth(1, area.firstColumn - 1), geometry_.RowsHeight(1, area.firstRow - 1),
            geometry_.ColumnsWidth(area.firstColumn, area.lastColumn), geometry_.RowsHeight(area.firstRow, area.lastRow)};
  }

  // The anchor's box from the sheet's top-left corner. An offset past its cell ends
  // at the cell's far edge, and a hidden row or column takes its objects' room with it.
  Box AnchorBox(const DrawingAnchor& anchor) const {
    if (anchor.kind == DrawingAnchor::Kind::Absolute) return {anchor.x, anchor.y, anchor.width, anchor.height};
    const double left = X(anchor.from), top = Y(anchor.from);
    if (anchor.kind == DrawingAnchor::Kind::OneCell) return {left, top, anchor.width, anchor.height};
    return {left, top, X(anchor.to) - left, Y(anchor.to) - top};
  }

  Box ObjectBox(const DrawingObjectData& object) const {
    const Box anchor = AnchorBox(object.anchor);
    return {anchor.left + object.boxLeft * anchor.width, anchor.top + object.boxTop * anchor.height,
            object.boxWidth * anchor.width, object.boxHeight * anchor.height};
  }

  // The object as the add-in sends it; none with a message when it is not sent.
  std::optional<ShapeDescription> Describe(const DrawingObjectData& object, const Box& box, const Box& area) {
    ShapeDescription shape;
    shape.left = box.left - area.left;
    shape.top = box.top - area.top;
    shape.width = box.width;
    shape.height = box.height;
    if (!(box.width >= 0 && box.height >= 0)) {
      Skip("drawing object", object, "its corners are out of order");
      return std::nullopt;
    }
    shape.rotation = object.rotation;
    shape.horizontalFlip = object.flipH;
    shape.verticalFlip = object.flipV;
    DescribeKind(object, shape);
    DescribeLineAndFill(object, shape);
    if (object.hasText) DescribeText(object.text, shape);
    if (object.kind == DrawingKind::Chart && object.mediaPart.empty()) {
      Say("The chart \"" + object.name + "\" of the sheet \"" + sheet_.name +
          "\" has no picture in the workbook and is not sent.");
      return std::nullopt;
    }
    if (!object.mediaPart.empty() && !SavePictureOf(object, shape)) return std::nullopt;
    return shape;
  }

  void Say(std::string text) {
    if (std::find(messages_.begin(), messages_.end(), text) == messages_.end()) messages_.push_back(std::move(text));
  }
  std::vector<std::string> TakeMessages() { return std::move(messages_); }

 private:
  double X(const DrawingMarker& marker) const {
    return geometry_.ColumnsWidth(1, marker.column) + std::min(marker.columnOffset, geometry_.ColumnWidth(marker.column + 1));
  }
  double Y(const DrawingMarker& marker) const {
    return geometry_.RowsHeight(1, marker.row) + std::min(marker.rowOffset, geometry_.RowHeight(marker.row + 1));
  }

  void Skip(const std::string& what, const DrawingObjectData& object, const std::string& reason) {
    Say("The " + what + " \"" + object.name + "\" of the sheet \"" + sheet_.name + "\" is not sent: " + reason + ".");
  }

  static void DescribeKind(const DrawingObjectData& object, ShapeDescription& shape) {
    const std::string& geometry = object.geometry;
    const ShapeAdjustments adjustments = AdjustmentsOf(geometry, object.adjustments);
    shape.adjustment1 = adjustments.first;
    shape.adjustment2 = adjustments.second;
    shape.autoShapeType = kMsoShapeNotPrimitive;
    switch (object.kind) {
      case DrawingKind::Shape:
        shape.shapeType = IsStraightLine(geometry) ? kMsoLine : kMsoAutoShape;
        if (!IsStraightLine(geometry)) shape.autoShapeType = AutoShapeTypeOf(geometry);
        break;
      case DrawingKind::TextBox:
        shape.shapeType = kMsoTextBox;
        shape.autoShapeType = AutoShapeTypeOf(geometry);
        break;
      case DrawingKind::Connector:
        // Excel reports a straight connector as a line; elbows and curves as
        // AutoShapes of no type of their own.
        shape.connector = 1;
        shape.shapeType = IsStraightLine(geometry) ? kMsoLine : kMsoAutoShape;
        shape.connectorType = geometry.starts_with("bentConnector")     ? kMsoConnectorElbow
                              : geometry.starts_with("curvedConnector") ? kMsoConnectorCurve
                                                                        : kMsoConnectorStraight;
        break;
      case DrawingKind::Picture:
        shape.shapeType = kMsoPicture;
        break;
      case DrawingKind::Chart:
        shape.shapeType = kMsoChart;
        break;
    }
  }

  static void DescribeLineAndFill(const DrawingObjectData& object, ShapeDescription& shape) {
    const DrawingLineData& line = object.line;
    shape.lineVisible = line.visible;
    shape.lineColor = static_cast<int>(ExcelRgbOf(line.rgb));
    shape.lineWeight = line.weight;
    shape.lineDashStyle = DashStyleOf(line.dash);
    shape.beginArrowStyle = ArrowheadStyleOf(line.head.type);
    shape.beginArrowLength = ArrowheadSizeOf(line.head.length);
    shape.beginArrowWidth = ArrowheadSizeOf(line.head.width);
    shape.endArrowStyle = ArrowheadStyleOf(line.tail.type);
    shape.endArrowLength = ArrowheadSizeOf(line.tail.length);
    shape.endArrowWidth = ArrowheadSizeOf(line.tail.width);
    shape.fillVisible = object.fill.visible;
    shape.fillColor = static_cast<int>(ExcelRgbOf(object.fill.rgb));
    shape.fillTransparency = object.fill.transparency;
  }

  static void DescribeText(const DrawingTextData& text, ShapeDescription& shape) {
    shape.text = Utf8ToUtf16(text.text);
    shape.fontName = text.fontName;
    shape.fontSize = text.fontSize;
    shape.textBold = text.bold;
    shape.textItalic = text.italic;
    shape.textUnderline = ExcelUnderline(text.underline.empty() ? "" : text.underline == "dbl" ? "double" : "single");
    shape.textColor = static_cast<int>(ExcelRgbOf(text.rgb));
    shape.textHorizontalAlignment = TextHorizontalAlignmentOf(text.align);
    shape.textVerticalAlignment = TextVerticalAlignmentOf(text.anchor);
  }

  bool SavePictureOf(const DrawingObjectData& object, ShapeDescription& shape) {
    const std::string what = object.kind == DrawingKind::Chart ? "chart" : "picture";
    if (!folder_) folder_ = PictureFolder();
    if (folder_->empty()) {
      Skip(what, object, "no folder for its file can be written");
      return false;
    }
    const std::string path = *folder_ + PictureFileName(workbookPath_, sheet_.name, object.id, object.mediaPart);
    if (path.size() >= kShapePicturePath.size) {
      Skip(what, object,
           "the path of its file, " + path + ", is longer than " + std::to_string(kShapePicturePath.size - 1) +
               " characters");
      return false;
    }
    std::string reason;
    if (!SavePicture(book_, object.mediaPart, path, &reason)) {
      Skip(what, object, reason);
      return false;
    }
    shape.picturePath = path;
    return true;
  }

  const WorkbookData& book_;
  const SheetData& sheet_;
  CSheetGeometry geometry_;
  const std::string& workbookPath_;
  std::optional<std::string> folder_;
  std::vector<std::string> messages_;
};

}  // namespace

RangeShapes DescribeRangeShapes(const WorkbookData& book, int sheetIndex, const std::vector<CellRect>& areas,
                                const std::string& workbookPath) {
  RangeShapes out;
  out.areas.resize(areas.size());
  const SheetData& sheet = book.sheets.at(static_cast<std::size_t>(sheetIndex));
  if (sheet.drawings.empty() && sheet.drawingWarnings.empty()) return out;
  CShapeDescriber describer(book, sheet, workbookPath);
  std::vector<Box> areaBoxes;
  for (const CellRect& area : areas) areaBoxes.push_back(describer.AreaBox(area));
  // The reader's warnings about the objects of the range, or about the whole drawing.
  for (const DrawingWarning& warning : sheet.drawingWarnings)
    if (!warning.anchor || std::any_of(areaBoxes.begin(), areaBoxes.end(), [&](const Box& area) {
          return Within(describer.AnchorBox(*warning.anchor), area);
        }))
      describer.Say(warning.text);
  for (const DrawingObjectData& object : sheet.drawings) {
    const Box box = describer.ObjectBox(object);
    // An object's box with its corners in either order.
    const Box corners{std::min(box.left, box.Right()), std::min(box.top, box.Bottom()), std::abs(box.width),
                      std::abs(box.height)};
    for (std::size_t i = 0; i < areas.size(); ++i)
      if (Within(corners, areaBoxes[i]))
        if (std::optional<ShapeDescription> shape = describer.Describe(object, box, areaBoxes[i]))
          out.areas[i].push_back(std::move(*shape));
  }
  out.messages = describer.TakeMessages();
  return out;
}

}  // namespace sim
