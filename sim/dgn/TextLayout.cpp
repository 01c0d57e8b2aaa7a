#include "sim/dgn/TextLayout.h"

#include <algorithm>

#include "host/msmodel.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/fonts/TrueTypeFaces.h"

namespace sim {

int JustColumn(int just) {
  int c = just / 6;
  return c >= 0 && c <= 2 ? c : 0;
}

int JustRow(int just) {
  int r = just % 6;
  return r >= 0 ? r % 3 : 0;
}

namespace {

// The face of a TrueType font of the active design file; null for resource and SHX
// fonts, for numbers the file does not know and for fonts not installed here.
CTrueTypeFace* TrueTypeFaceOf(UInt32 font) {
  const DgnModel* model = mdlModelRef_getActive();
  if (!model) return nullptr;
  for (const auto& entry : model->fonts)
    if (entry.number == font) return entry.type == FONTTYPE_TRUETYPE ? FindTrueTypeFace(entry.name) : nullptr;
  return nullptr;
}

}  // namespace

double TextAdvance(UInt32 font, std::u16string_view text, double width, double height) {
  (void)height;
  // The text width is the width of a character cell: a TrueType font's capitals are
  // as high as the text and its advances, measured in cap heights, are stretched to
  // the text width, as a resource font's one-width advance is.
  if (CTrueTypeFace* face = TrueTypeFaceOf(font)) return TrueTypeAdvance(*face, text) * width;
  double w = 0;
  for (char16_t c : text)
    if (c != 0xFEFF) w += width;
  return w;
}

namespace {

// Box of a local rectangle (left-bottom at (x0, y0), size w by h) placed at the
// origin in the direction of the matrix.
void PlaceBox(DPoint3d box[5], const DPoint3d& origin, const RotMatrix& m, double x0, double y0, double w, double h) {
  const double xs[5] = {x0, x0 + w, x0 + w, x0, x0};
  const double ys[5] = {y0, y0, y0 + h, y0 + h, y0};
  for (int i = 0; i < 5; ++i) box[i] = Add(origin, Multiply(m, DPoint3d{xs[i], ys[i], 0}));
}

void BlockCorner(int just, double w, double h, double* x0, double* y0) {
  static const double colFactor[3] = {0, 0.5, 1};
  static const double rowFactor[3] = {1, 0.5, 0};
  *x0 = -colFactor[JustColumn(just)] * w;
  *y0 = -rowFactor[JustRow(just)] * h;
}

}  // namespace

void TextBox(DPoint3d box[5], const MSElement& text) {
  double w = TextAdvance(text.textParams.font, text.text, text.width, text.height);
  double x0, y0;
  BlockCorner(text.textParams.just, w, text.height, &x0, &y0);
  PlaceBox(box, text.origin, text.matrix, x0, y0, w, text.height);
}

void TextNodeBox(DPoint3d box[5], const ElementNode& node) {
  const MSElement& n = node.el;
  double lowX = 0, lowY = 0, highX = 0, highY = 0;
  bool any = false;
  for (const auto& m : node.members) {
    if (m.el.type != TEXT_ELM) continue;
    DPoint3d b[5];
    TextBox(b, m.el);
    for (int i = 0; i < 4; ++i) {
      DPoint3d d = Sub(b[i], n.origin);
      double x = Dot(d, Column(n.matrix, 0)), y = Dot(d, Column(n.matrix, 1));
      if (!any) {
        lowX = highX = x;
        lowY = highY = y;
        any = true;
      }
      lowX = std::min(lowX, x);
      highX = std::max(highX, x);
      lowY = std::min(lowY, y);
      highY = std::max(highY, y);
    }
  }
  PlaceBox(box, n.origin, n.matrix, lowX, lowY, highX - lowX, highY - lowY);
}

std::vector<DPoint3d> NodeLineOrigins(const MSElement& node, const std::vector<double>& lineWidths) {
  std::vector<DPoint3d> origins;
  if (lineWidths.empty()) return origins;
  double w = *std::max_element(lineWidths.begin(), lineWidths.end());
  double n = static_cast<double>(lineWidths.size());
  double h = n * node.height + (n - 1) * node.textParams.lineSpacing;
  double x0, y0;
  BlockCorner(node.textParams.just, w, h, &x0, &y0);
  static const double colFactor[3] = {0, 0.5, 1};
  double c = colFactor[JustColumn(node.textParams.just)];
  for (size_t i = 0; i < lineWidths.size(); ++i) {
    double x = x0 + c * (w - lineWidths[i]);
    double y = y0 + h - node.height - static_cast<double>(i) * (node.height + node.textParams.lineSpacing);
    origins.push_back(Add(node.origin, Multiply(node.matrix, DPoint3d{x, y, 0})));
  }
  return origins;
}

}  // namespace sim
