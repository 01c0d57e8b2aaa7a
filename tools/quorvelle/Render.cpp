#include "tools/quorvelle/Render.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "platform/paths.h"
#include "sim/Strings.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/dgn/TextLayout.h"
#include "sim/fonts/TrueTypeFaces.h"
#include "sim/host/HostState.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/PictureText.h"
#include "tools/quorvelle/PlotPens.h"
#include "tools/quorvelle/RasterImage.h"
#include "tools/quorvelle/TextFaces.h"

namespace {

struct Canvas {
  cairo_t* cr = nullptr;
  sim::Range3d range;
  double scale = 1;  // pixels per storage unit
  double margin = 24;
  const DgnModel* model = nullptr;
  TextFaces* faces = nullptr;

  double X(double x) const { return margin + (x - range.low.x) * scale; }
  double Y(double y) const { return margin + (range.high.y - y) * scale; }
  // Pixels per point of a drawing placed at the table scale (master units per point).
  double PointPixels(double tableScale) const { return tableScale * model->uorPerMaster * scale; }
};

// Colour 0 is where the module puts Excel's black; the design file's table holds white
// there, as MicroStation's screen shows it on black, and a plot prints it black. Every
// other colour is drawn as the table gives it, white included: Excel's white texts
// and lines stay white on the dark fills they were made for.
void SetColour(const Canvas& c, UInt32 index) {
  double r = 0, g = 0, b = 0;
  if (index > 0 && index < 256) {
    const RGBColorDef& rgb = c.model->colors[index];
    r = rgb.red / 255.0;
    g = rgb.green / 255.0;
    b = rgb.blue / 255.0;
  }
  cairo_set_source_rgb(c.cr, r, g, b);
}

// The element's weight and line code as a plot draws them at the picture's scale;
// never thinner than a pixel, so that the thinnest line still shows.
void SetLine(const Canvas& c, const MSElement& el, double pointPixels) {
  cairo_set_line_width(c.cr, std::max(1.0, WeightThicknessPoints(el.weight) * pointPixels));
  int count = 0;
  const double* dashes = LineCodeDashesPoints(el.style, &count);
  double scaled[8];
  const double dashPixels = std::max(1.0, pointPixels);
  for (int i = 0; i < count; ++i) scaled[i] = dashes[i] * dashPixels;
  cairo_set_dash(c.cr, count ? scaled : nullptr, count, 0);
}

void Path(const Canvas& c, const std::vector<DPoint3d>& points) {
  cairo_new_path(c.cr);
  for (size_t i = 0; i < points.size(); ++i) {
    if (i == 0)
      cairo_move_to(c.cr, c.X(points[i].x), c.Y(points[i].y));
    else
      cairo_line_to(c.cr, c.X(points[i].x), c.Y(points[i].y));
  }
}

void StrokeOrFill(const Canvas& c, const MSElement& el, bool closed, double pointPixels) {
  SetColour(c, el.color);
  SetLine(c, el, pointPixels);
  if (closed) cairo_close_path(c.cr);
  if (closed && el.fillMode)
    cairo_fill_preserve(c.cr);
  cairo_stroke(c.cr);
}

// The font a text is drawn in: its TrueType font, or a plain sans-serif face for
// resource and SHX fonts, which have no outlines here. Only an installed TrueType
// font's box was measured with the advances of the glyphs drawn, so only its texts
// are stretched to their boxes; the others were measured a fixed width a character,
// and their faces (a TrueType font's substitute, the sans-serif face) keep their own
// proportions.
PictureTextFont FontOf(const Canvas& c, const MSElement& el) {
  PictureTextFont font;
  font.family = "Liberation Sans";
  font.bold = el.textParams.exFlags & TXTEXFLAG_BOLD;
  font.italic = el.textParams.flags & TXTFLAG_ITALICS;
  font.measured = false;
  for (const auto& f : c.model->fonts)
    if (f.number == el.textParams.font && f.type == FONTTYPE_TRUETYPE) {
      font.family = sim::Utf16ToUtf8(f.name);
      font.measured = sim::FindTrueTypeFace(f.name) != nullptr;
    }
  return font;
}

// The text on its baseline from the left-bottom corner of its box, turned with it and
// fitted to the box's width; the underline at its distance below the baseline.
void DrawText(const Canvas& c, const MSElement& el) {
  std::u16string text;
  for (char16_t ch : el.text)
    if (ch != 0xFEFF) text.push_back(ch);
  if (text.empty() || el.height <= 0) return;
  DPoint3d corners[5];
  sim::TextBox(corners, el);
  PictureTextBox box;
  box.x = c.X(corners[0].x);
  box.y = c.Y(corners[0].y);
  box.width = std::hypot(corners[1].x - corners[0].x, corners[1].y - corners[0].y) * c.scale;
  box.height = el.height * c.scale;
  box.angle = std::atan2(corners[1].y - corners[0].y, corners[1].x - corners[0].x);
  box.just = el.textParams.just;
  double underline = -1;
  if (el.textParams.flags & TXTFLAG_UNDERLINE)
    underline = (el.textParams.underlineSpacing > 0 ? el.textParams.underlineSpacing : 0.2 * el.height) * c.scale;
  SetColour(c, el.color);
  DrawPictureText(c.cr, *c.faces, FontOf(c, el), text, box, underline);
}

// Lines are as thick as a plot draws them for the table a member belongs to: a table
// cell's scale is the master units of one point of its table.
double TableScaleOf(const MSElement& cell) {
  RotMatrix rotation;
  DPoint3d s;
  sim::SplitCellMatrix(cell.matrix, &rotation, &s);
  const double k = std::sqrt(std::fabs(s.x * s.y));
  return std::isfinite(k) && k > 0 ? k : 1;
}

void DrawNode(const Canvas& c, const ElementNode& node, double tableScale) {
  const MSElement& el = node.el;
  const double pointPixels = c.PointPixels(tableScale);
  switch (el.type) {
    case LINE_ELM:
    case LINE_STRING_ELM:
      Path(c, el.points);
      StrokeOrFill(c, el, false, pointPixels);
      break;
    case SHAPE_ELM:
      Path(c, el.points);
      StrokeOrFill(c, el, true, pointPixels);
      break;
    case ELLIPSE_ELM:
    case ARC_ELM:
      Path(c, sim::CurvePoints(el, 96));
      StrokeOrFill(c, el, el.type == ELLIPSE_ELM, pointPixels);
      break;
    case TEXT_ELM:
      DrawText(c, el);
      break;
    default:
      break;
  }
  if (el.type == CELL_HEADER_ELM) tableScale = TableScaleOf(el);
  for (const auto& m : node.members) DrawNode(c, m, tableScale);
}

// The attachment's picture in its place, turned about its lower-left corner; a
// picture that cannot be drawn shows as a crossed frame of its size.
void DrawRaster(const Canvas& c, const DgnRaster& r) {
  const RasterGeoReferenceInfo& g = r.geo;
  double a = g.rotationDegrees * M_PI / 180;
  cairo_save(c.cr);
  cairo_translate(c.cr, c.X(g.origin.x), c.Y(g.origin.y));
  cairo_rotate(c.cr, -a);
  double w = g.extent.x * c.scale, h = g.extent.y * c.scale;
  std::string why;
  cairo_surface_t* image = w > 0 && h > 0 ? LoadRasterImage(sim::ToLinuxPath(sim::RasterFilePath(r.fileName)), &why) : nullptr;
  if (image) {
    cairo_translate(c.cr, 0, -h);
    cairo_scale(c.cr, w / cairo_image_surface_get_width(image), h / cairo_image_surface_get_height(image));
    cairo_set_source_surface(c.cr, image, 0, 0);
    cairo_paint(c.cr);
    cairo_surface_destroy(image);
  } else {
    cairo_set_source_rgb(c.cr, 0.5, 0.5, 0.5);
    cairo_set_line_width(c.cr, 1);
    cairo_rectangle(c.cr, 0, -h, w, h);
    cairo_move_to(c.cr, 0, -h);
    cairo_line_to(c.cr, w, 0);
    cairo_move_to(c.cr, 0, 0);
    cairo_line_to(c.cr, w, -h);
    cairo_stroke(c.cr);
  }
  cairo_restore(c.cr);
}

}  // namespace

std::string RenderDesignFile(const std::string& outputPath, RenderFormat format, int pixelWidth) {
  const DgnModel& model = sim::Model();
  Canvas c;
  c.model = &model;
  for (const auto& [pos, rec] : model.elements)
    if (!rec->deleted) c.range.Extend(sim::NodeRange(rec->node));
  for (const auto& r : model.rasters)
    if (r->attached) {
      c.range.Extend(r->geo.origin);
      c.range.Extend(DPoint3d{r->geo.origin.x + r->geo.extent.x, r->geo.origin.y + r->geo.extent.y, 0});
    }
  if (c.range.IsNull()) {
    c.range.Extend(DPoint3d{0, 0, 0});
    c.range.Extend(DPoint3d{model.uorPerMaster, model.uorPerMaster, 0});
  }
  double w = std::max(c.range.high.x - c.range.low.x, 1e-9);
  double h = std::max(c.range.high.y - c.range.low.y, 1e-9);
  pixelWidth = std::clamp(pixelWidth, 64, 8000);
  c.scale = (pixelWidth - 2 * c.margin) / w;
  int pixelHeight = static_cast<int>(std::clamp(h * c.scale + 2 * c.margin, 64.0, 8000.0));
  c.scale = std::min(c.scale, (pixelHeight - 2 * c.margin) / h);

  bool svg = format == RenderFormat::Svg ||
             (format == RenderFormat::ByExtension && outputPath.size() > 4 &&
              outputPath.compare(outputPath.size() - 4, 4, ".svg") == 0);
  cairo_surface_t* surface = svg ? cairo_svg_surface_create(outputPath.c_str(), pixelWidth, pixelHeight)
                                 : cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixelWidth, pixelHeight);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return "Cannot make the picture " + outputPath + ".";
  }
  c.cr = cairo_create(surface);
  auto faces = std::make_unique<TextFaces>();
  c.faces = faces.get();
  cairo_set_source_rgb(c.cr, 1, 1, 1);
  cairo_paint(c.cr);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  for (const auto& r : model.rasters)
    if (r->attached) DrawRaster(c, *r);
  for (const auto& [pos, rec] : model.elements)
    if (!rec->deleted) DrawNode(c, rec->node, 1);
  cairo_destroy(c.cr);
  faces.reset();
  std::string error;
  if (!svg && cairo_surface_write_to_png(surface, outputPath.c_str()) != CAIRO_STATUS_SUCCESS)
    error = "Cannot write the picture " + outputPath + ".";
  cairo_surface_finish(surface);
  if (svg && cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) error = "Cannot write the picture " + outputPath + ".";
  cairo_surface_destroy(surface);
  // Let cairo give back its caches, so that a leak check of the shell sees only leaks
  // of its own. fontconfig's configuration is the one the fonts are listed with,
  // which goes at exit.
  cairo_debug_reset_static_data();
  return error;
}
