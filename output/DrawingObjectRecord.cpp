#include "output/DrawingObjectRecord.h"

#include <cmath>
#include <memory>

#include "automation/ShapeRecordLayout.h"
#include "model/CQuorvelle.h"
#include "model/ExcelConstants.h"
#include "model/RecordView.h"
#include "output/CLineShape.h"
#include "output/COvalShape.h"
#include "output/CPictureShape.h"
#include "output/CPolygonShape.h"
#include "settings/QuorvelleSetup.h"

namespace {

// Far beyond anything a sheet holds (its grid ends near 450 million points), and
// small enough that sums and products of these values stay finite.
constexpr double kLargestValue = 1e9;

struct DashStyle {
  const char* name;
  int number;
};

// MicroStation's nearest line style to Office's dash style; none for the others.
const DashStyle* DashStyleOf(int office) {
  static constexpr DashStyle kContinuous{"CONTINUOUS", 0}, kDot{"DOT", 1}, kDashed{"DASHED", 3},
      kDashDot{"DASHDOT", 4}, kDivide{"DIVIDE", 6};
  switch (office) {
    case kMsoLineSolid: return &kContinuous;
    case kMsoLineSquareDot:
    case kMsoLineRoundDot: return &kDot;
    case kMsoLineDash:
    case kMsoLineLongDash: return &kDashed;
    case kMsoLineDashDot:
    case kMsoLineLongDashDot: return &kDashDot;
    case kMsoLineDashDotDot: return &kDivide;
    default: return nullptr;
  }
}

class ShapeRecord {
 public:
  explicit ShapeRecord(const CRecordView& view) : r_(view) {}

  bool NumbersSound() const {
    for (std::size_t offset : {kShapeLeft, kShapeTop, kShapeWidth, kShapeHeight, kShapeRotation, kShapeFontSize,
                               kShapeLineWeight, kShapeFillTransparency, kShapeAdjustment1, kShapeAdjustment2}) {
      const double value = r_.Double(offset);
      if (!std::isfinite(value) || std::fabs(value) > kLargestValue) return false;
    }
    return true;
  }
  double Left() const { return r_.Double(kShapeLeft); }
  double Top() const { return r_.Double(kShapeTop); }
  double Width() const { return r_.Double(kShapeWidth); }
  double Height() const { return r_.Double(kShapeHeight); }
  double Adjustment1() const { return r_.Double(kShapeAdjustment1); }
  double Adjustment2() const { return r_.Double(kShapeAdjustment2); }
  bool VerticalFlip() const { return r_.Int32(kShapeVerticalFlip) != 0; }
  bool HorizontalFlip() const { return r_.Int32(kShapeHorizontalFlip) != 0; }
  int Int32(std::size_t offset) const { return r_.Int32(offset); }
  const CRecordView& View() const { return r_; }

  // What every object takes from the record; the rotation turns counter-clockwise.
  void Common(CAutoShape& shape) const {
    shape.Rotation = -r_.Double(kShapeRotation);
    shape.AutoShapeType = r_.Int32(kShapeAutoShapeType);
  }
  void Line(CAutoShape& shape) const {
    shape.LineColor = r_.Int32(kShapeLineColor);
    shape.LineVisible = r_.Int32(kShapeLineVisible);
    shape.LineWeight = r_.Double(kShapeLineWeight);
  }
  template <class Filled>
  void Fill(Filled& shape) const {
    shape.FillColor = r_.Int32(kShapeFillColor);
    shape.FillVisible = r_.Int32(kShapeFillVisible);
    shape.FillTransparency = r_.Double(kShapeFillTransparency);
  }
  void DashAndArrows(CLineShape& line) const {
    if (const DashStyle* style = DashStyleOf(r_.Int32(kShapeLineDashStyle))) {
      line.StyleName = style->name;
      line.StyleNumber = style->number;
    }
    line.BeginArrowStyle = r_.Int32(kShapeBeginArrowStyle);
    line.BeginArrowLength = r_.Int32(kShapeBeginArrowLength);
    line.BeginArrowWidth = r_.Int32(kShapeBeginArrowWidth);
    line.EndArrowStyle = r_.Int32(kShapeEndArrowStyle);
    line.EndArrowLength = r_.Int32(kShapeEndArrowLength);
    line.EndArrowWidth = r_.Int32(kShapeEndArrowWidth);
  }

 private:
  const CRecordView& r_;
};

// The text of a shape, drawn like a cell's text in the given box.
void AddTextCell(const ShapeRecord& record, double left, double top, double width, double height, CQuorvelle& table) {
  const CRecordView& r = record.View();
  const std::u16string text = r.WideString(kShapeText);
  if (text.empty()) return;
  QuorvelleSetup& setup = currentOptionSet ? *currentOptionSet : table.Setup;
  CAutoCell cell;
  cell.Left = left, cell.Top = top, cell.Width = cell.LayoutWidth = width, cell.Height = cell.LayoutHeight = height;
  switch (r.Int32(kShapeAutoShapeType)) {
    case kMsoShapeOctagon:
    case kMsoShapeHexagon: cell.HorizontalAlignment = xlCenter, cell.VerticalAlignment = xlCenter; break;
    case kMsoShapeIsoscelesTriangle: cell.HorizontalAlignment = xlCenter, cell.VerticalAlignment = xlBottom; break;
    default:
      cell.HorizontalAlignment = r.Int32(kShapeTextHorizontalAlignment);
      cell.VerticalAlignment = r.Int32(kShapeTextVerticalAlignment);
  }
  cell.WrapText = 1;
  CAutoFont& font = cell.Font;
  font.Bold = r.Byte(kShapeTextBold) != 0;
  font.Italic = r.Byte(kShapeTextItalic) != 0;
  font.Color = r.Int32(kShapeTextColor);
  const int underline = r.Int32(kShapeTextUnderline);
  font.Underline = underline != xlUnderlineStyleNone && underline != 0;
  font.Size = r.Double(kShapeFontSize) * setup.TextScaleFactor();
  font.Name = r.String(kShapeFontName);
  setup.fontMap.AddExcelFont(font.Name, font.Bold, font.Italic);
  cell.SetText(kByteOrderMark + text);
  table.AddShapeTextCell(cell);
}

bool IsPolygonType(int type, int autoType) {
  switch (autoType) {
    case kMsoShapeRectangle: return type == kMsoAutoShape || type == kMsoTextBox;
    case kMsoShapeRoundedRectangle:
    case kMsoShapeOctagon:
    case kMsoShapeIsoscelesTriangle:
    case kMsoShapeHexagon:
    case kMsoShapeRightArrow:
    case kMsoShapeLeftArrow:
    case kMsoShapeUpArrow:
    case kMsoShapeDownArrow: return type == kMsoAutoShape;
    default: return false;
  }
}

bool HasTextCell(int autoType) {
  return autoType == kMsoShapeRectangle || autoType == kMsoShapeRoundedRectangle || autoType == kMsoShapeOctagon ||
         autoType == kMsoShapeIsoscelesTriangle || autoType == kMsoShapeHexagon;
}

std::unique_ptr<CAutoShape> MakeShape(const ShapeRecord& r, CQuorvelle& table, int excelVersion) {
  const int type = r.Int32(kShapeType), autoType = r.Int32(kShapeAutoShapeType);
  const double L = r.Left(), T = r.Top(), W = r.Width(), H = r.Height();
  const double a1 = r.Adjustment1(), a2 = r.Adjustment2();

  const bool connector = type == kMsoAutoShape && autoType == kMsoShapeNotPrimitive && r.Int32(kShapeConnectorFlag);
  if ((autoType == kMsoShapeNotPrimitive && type == kMsoLine) || connector) {
    std::unique_ptr<CLineShape> line;
    if (connector) {
      auto elbow = std::make_unique<CConnectorShape>();
      elbow->ConnectorType = r.Int32(kShapeConnectorType);
      elbow->ElbowRatio = a1;
      line = std::move(elbow);
    } else {
      line = std::make_unique<CLineShape>();
    }
    r.Common(*line);
    line->SetFromBox(L, T, W, H, r.VerticalFlip(), r.HorizontalFlip());
    r.Line(*line);
    r.DashAndArrows(*line);
    return line;
  }
  if (IsPolygonType(type, autoType)) {
    auto polygon = std::make_unique<CPolygonShape>();
    r.Common(*polygon);
    polygon->ExcelVersion = excelVersion;
    polygon->SetFromBox(L, T, W, H, a1, a2, r.VerticalFlip(), r.HorizontalFlip());
    r.Line(*polygon);
    r.Fill(*polygon);
    if (HasTextCell(autoType)) AddTextCell(r, L, T, W, H, table);
    return polygon;
  }
  if (autoType == kMsoShapeOval) {
    auto oval = std::make_unique<COvalShape>();
    r.Common(*oval);
    oval->SetFromBox(L, T, W, H);
    r.Line(*oval);
    r.Fill(*oval);
    // The text stays inside the ellipse: the box shrunk to the inscribed rectangle.
    AddTextCell(r, L + W * 0.2929 / 2, T + H * 0.2929 / 2, W * 0.7071, H * 0.7071, table);
    return oval;
  }
  if (autoType == kMsoShapeArc && std::fabs(a1 - a2) <= 1e-6) {
    auto oval = std::make_unique<COvalShape>();
    r.Common(*oval);
    oval->SetFromBox(L, T, W, H);
    r.Line(*oval);
    oval->FillVisible = 0;
    return oval;
  }
  if (autoType == kMsoShapeArc) {
    auto arc = std::make_unique<CArcShape>();
    r.Common(*arc);
    arc->ExcelVersion = excelVersion;
    if (!arc->SetFromBox(L, T, W, H, a1, a2, r.VerticalFlip(), r.HorizontalFlip())) return nullptr;
    r.Line(*arc);
    return arc;
  }
  if (type == kMsoPicture || (autoType == kMsoShapeNotPrimitive && type == kMsoChart)) {
    auto picture = std::make_unique<CPictureShape>();
    r.Common(*picture);
    picture->Left = L, picture->Top = T, picture->Width = W, picture->Height = H;
    picture->FilePath = r.View().String(kShapePicturePath);
    picture->ShapeType = type;
    return picture;
  }
  return nullptr;
}

}  // namespace

void MakeShapeFromRecord(const unsigned char* bytes, std::size_t size, CQuorvelle& table, int excelVersion) {
  const std::optional<CRecordView> view = CRecordView::FromMessage(bytes, size, kShapeRecordSize);
  if (!view) return;
  const ShapeRecord record(*view);
  if (!record.NumbersSound()) return;
  table.AddShape(MakeShape(record, table, excelVersion));
}
