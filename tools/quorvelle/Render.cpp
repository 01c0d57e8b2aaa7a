#include "tools/quorvelle/Render.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/paths.h"
#include "sim/Strings.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/dgn/TextLayout.h"
#include "sim/host/HostState.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/RasterImage.h"

namespace {

struct Canvas {
  cairo_t* cr = nullptr;
  sim::Range3d range;
  double scale = 1;
  double margin = 24;
  const DgnModel* model = nullptr;

  double X(double x) const { return margin + (x - range.low.x) * scale; }
  double Y(double y) const { return margin + (range.high.y - y) * scale; }
};

// Near-white lines and texts would vanish on the white page and are drawn black, as
// a print draws them; a filled area keeps its own colour, white included, so that the
// texts on a white cell stay readable.
void SetColour(const Canvas& c, UInt32 index, bool area = false) {
  double r = 0, g = 0, b = 0;
  if (index < 256) {
    const RGBColorDef& rgb = c.model->colors[index];
    if (area || !(rgb.red >= 240 && rgb.green >= 240 && rgb.blue >= 240)) {
      r = rgb.red / 255.0;
      g = rgb.green / 255.0;
      b = rgb.blue / 255.0;
    }
  }
  cairo_set_source_rgb(c.cr, r, g, b);
}

void SetLine(const Canvas& c, const MSElement& el) {
  cairo_set_line_width(c.cr, el.weight < 32 ? 1.0 + el.weight : 1.0);
  static const double dot[] = {1.5, 3};
  static const double medium[] = {6, 4};
  static const double longDash[] = {12, 5};
  static const double dotDash[] = {8, 3, 1.5, 3};
  static const double shortDash[] = {3, 3};
  static const double dashDotDot[] = {8, 3, 1.5, 3, 1.5, 3};
  static const double longShort[] = {12, 3, 4, 3};
  const double* dashes[] = {nullptr, dot, medium, longDash, dotDash, shortDash, dashDotDot, longShort};
  const int counts[] = {0, 2, 2, 2, 4, 2, 6, 4};
  int style = el.style >= 0 && el.style < 8 ? el.style : 0;
  cairo_set_dash(c.cr, dashes[style], counts[style], 0);
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

void StrokeOrFill(const Canvas& c, const MSElement& el, bool closed) {
  SetColour(c, el.color, closed && el.fillMode);
  SetLine(c, el);
  if (closed) cairo_close_path(c.cr);
  if (closed && el.fillMode)
    cairo_fill_preserve(c.cr);
  cairo_stroke(c.cr);
}

// The family a text is drawn in: its TrueType font, or a plain sans-serif face for
// resource and SHX fonts, which have no outlines here.
std::string FontFamily(const Canvas& c, UInt32 number) {
  for (const auto& f : c.model->fonts)
    if (f.number == number && f.type == FONTTYPE_TRUETYPE) return sim::Utf16ToUtf8(f.name);
  return "Liberation Sans";
}

// Selects the text's face at the size that makes its capitals as high as the text,
// as the design file measures text heights. Glyph metrics are not hinted, so that
// advances keep the proportions the text's box was measured with.
void SelectTextFace(const Canvas& c, const MSElement& el) {
  const bool bold = el.textParams.exFlags & TXTEXFLAG_BOLD;
  const bool italic = el.textParams.flags & TXTFLAG_ITALICS;
  cairo_select_font_face(c.cr, FontFamily(c, el.textParams.font).c_str(),
                         italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(c.cr, options);
  cairo_font_options_destroy(options);
  const double probe = 100;
  cairo_set_font_size(c.cr, probe);
  cairo_text_extents_t capital;
  cairo_text_extents(c.cr, "H", &capital);
  const double capRatio = capital.height > 0 ? capital.height / probe : 0.72;
  cairo_set_font_size(c.cr, el.height * c.scale / capRatio);
}

// The text on its baseline from the left-bottom corner of its box, turned with it and
// stretched to the box's width; the underline at its distance below the baseline.
void DrawText(const Canvas& c, const MSElement& el) {
  std::u16string text;
  for (char16_t ch : el.text)
    if (ch != 0xFEFF) text.push_back(ch);
  if (text.empty() || el.height <= 0) return;
  DPoint3d box[5];
  sim::TextBox(box, el);
  const double boxWidth = std::hypot(box[1].x - box[0].x, box[1].y - box[0].y) * c.scale;
  const double angle = std::atan2(box[1].y - box[0].y, box[1].x - box[0].x);
  const std::string utf8 = sim::Utf16ToUtf8(text);
  cairo_save(c.cr);
  SelectTextFace(c, el);
  cairo_text_extents_t ext;
  cairo_text_extents(c.cr, utf8.c_str(), &ext);
  cairo_translate(c.cr, c.X(box[0].x), c.Y(box[0].y));
  cairo_rotate(c.cr, -angle);
  if (ext.x_advance > 0 && boxWidth > 0) cairo_scale(c.cr, boxWidth / ext.x_advance, 1);
  SetColour(c, el.color);
  cairo_move_to(c.cr, 0, 0);
  cairo_show_text(c.cr, utf8.c_str());
  if (el.textParams.flags & TXTFLAG_UNDERLINE) {
    const double below = (el.textParams.underlineSpacing > 0 ? el.textParams.underlineSpacing : 0.2 * el.height) * c.scale;
    cairo_set_line_width(c.cr, std::max(1.0, el.height * c.scale / 12));
    cairo_move_to(c.cr, 0, below);
    cairo_line_to(c.cr, ext.x_advance, below);
    cairo_stroke(c.cr);
  }
  cairo_restore(c.cr);
}

void DrawNode(const Canvas& c, const ElementNode& node) {
  const MSElement& el = node.el;
  switch (el.type) {
    case LINE_ELM:
    case LINE_STRING_ELM:
      Path(c, el.points);
      StrokeOrFill(c, el, false);
      break;
    case SHAPE_ELM:
      Path(c, el.points);
      StrokeOrFill(c, el, true);
      break;
    case ELLIPSE_ELM:
    case ARC_ELM:
      Path(c, sim::CurvePoints(el, 96));
      StrokeOrFill(c, el, el.type == ELLIPSE_ELM);
      break;
    case TEXT_ELM:
      DrawText(c, el);
      break;
    default:
      break;
  }
  for (const auto& m : node.members) DrawNode(c, m);
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
  cairo_set_source_rgb(c.cr, 1, 1, 1);
  cairo_paint(c.cr);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  for (const auto& r : model.rasters)
    if (r->attached) DrawRaster(c, *r);
  for (const auto& [pos, rec] : model.elements)
    if (!rec->deleted) DrawNode(c, rec->node);
  cairo_destroy(c.cr);
  std::string error;
  if (!svg && cairo_surface_write_to_png(surface, outputPath.c_str()) != CAIRO_STATUS_SUCCESS)
    error = "Cannot write the picture " + outputPath + ".";
  cairo_surface_finish(surface);
  if (svg && cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) error = "Cannot write the picture " + outputPath + ".";
  cairo_surface_destroy(surface);
  // Let cairo and fontconfig give back their caches, so that a leak check of the
  // shell sees only leaks of its own.
  cairo_debug_reset_static_data();
  FcFini();
  return error;
}
