#include "sim/excel/xlsx/XlsxShapeProperties.h"

#include <algorithm>
#include <cmath>

#include "sim/excel/xlsx/XlsxText.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

constexpr double kEmuPerPoint = 12700;
constexpr double kMaxLineWeight = 1584;  // points, the widest line Office draws
constexpr double kMaxFontSize = 4000;    // points, the largest text of a shape

// The widths of the Office theme's three line styles, which shape styles refer to
// by number (lnRef idx 1..3), in EMU. Themes rarely change them.
constexpr double kThemeLineWidths[] = {9525, 25400, 38100};

std::optional<std::uint32_t> StyleColor(pugi::xml_node reference, const WorkbookColors& colors) {
  std::optional<DrawingColor> color = ReadDrawingColor(reference, colors);
  if (!color) return std::nullopt;
  return color->rgb;
}

// The colour a fill element gives: solid, a gradient's first stop, a pattern's
// foreground.
std::optional<DrawingColor> FillColor(pugi::xml_node fill, const WorkbookColors& colors,
                                      std::optional<std::uint32_t> placeholder) {
  std::string_view kind = LocalName(fill.name());
  if (kind == "solidFill") return ReadDrawingColor(fill, colors, placeholder);
  if (kind == "gradFill") return ReadDrawingColor(Child(Child(fill, "gsLst"), "gs"), colors, placeholder);
  if (kind == "pattFill") return ReadDrawingColor(Child(fill, "fgClr"), colors, placeholder);
  return std::nullopt;
}

// The first fill element among the children of a properties element.
pugi::xml_node FillOf(pugi::xml_node properties) {
  for (pugi::xml_node child = properties.first_child(); child; child = child.next_sibling()) {
    std::string_view name = LocalName(child.name());
    if (name == "noFill" || name == "solidFill" || name == "gradFill" || name == "pattFill" || name == "blipFill" ||
        name == "grpFill")
      return child;
  }
  return {};
}

void ReadLineEnd(pugi::xml_node end, LineEndData* data) {
  if (!end) return;
  if (pugi::xml_attribute type = Attr(end, "type")) data->type = type.value();
  if (pugi::xml_attribute w = Attr(end, "w")) data->width = w.value();
  if (pugi::xml_attribute len = Attr(end, "len")) data->length = len.value();
}

void ReadLine(pugi::xml_node properties, pugi::xml_node style, const WorkbookColors& colors, DrawingLineData* line) {
  // Without a style or a line of its own an object has no outline.
  line->visible = false;
  pugi::xml_node reference = Child(style, "lnRef");
  std::optional<std::uint32_t> styleColor = StyleColor(reference, colors);
  if (std::optional<long long> idx = IntAttr(reference, "idx", 0, 1 << 30); idx && *idx > 0) {
    line->visible = true;
    line->weight = kThemeLineWidths[std::min<long long>(*idx, 3) - 1] / kEmuPerPoint;
    if (styleColor) line->rgb = *styleColor;
  }
  pugi::xml_node ln = Child(properties, "ln");
  if (!ln) return;
  if (std::optional<double> w = NumberAttr(ln, "w"); w && *w >= 0)
    line->weight = std::min(*w / kEmuPerPoint, kMaxLineWeight);
  if (pugi::xml_node fill = FillOf(ln)) {
    std::optional<DrawingColor> color = FillColor(fill, colors, styleColor);
    line->visible = LocalName(fill.name()) != "noFill";
    if (color) line->rgb = color->rgb;
  }
  if (pugi::xml_node dash = Child(ln, "prstDash"); dash && Attr(dash, "val")) line->dash = Attr(dash, "val").value();
  ReadLineEnd(Child(ln, "headEnd"), &line->head);
  ReadLineEnd(Child(ln, "tailEnd"), &line->tail);
}

void ReadFill(pugi::xml_node properties, pugi::xml_node style, pugi::xml_node groupFill, const WorkbookColors& colors,
              DrawingFillData* fill) {
  fill->visible = false;
  pugi::xml_node reference = Child(style, "fillRef");
  std::optional<std::uint32_t> styleColor = StyleColor(reference, colors);
  if (std::optional<long long> idx = IntAttr(reference, "idx", 0, 1 << 30); idx && *idx > 0 && styleColor) {
    fill->visible = true;
    fill->rgb = *styleColor;
  }
  pugi::xml_node own = FillOf(properties);
  if (own && LocalName(own.name()) == "grpFill") own = FillOf(groupFill);
  if (!own) return;
  std::optional<DrawingColor> color = FillColor(own, colors, styleColor);
  fill->visible = LocalName(own.name()) != "noFill";
  if (color) {
    fill->rgb = color->rgb;
    fill->transparency = 1 - color->alpha;
  }
}

std::string ThemeFont(std::string_view typeface, const ThemeFonts& fonts) {
  if (typeface.starts_with("+mj")) return fonts.major;
  if (typeface.starts_with("+mn")) return fonts.minor;
  return std::string(typeface);
}

// The text of a paragraph's runs, line breaks and fields.
std::string ParagraphText(pugi::xml_node paragraph) {
  std::string text;
  for (pugi::xml_node child = paragraph.first_child(); child; child = child.next_sibling()) {
    std::string_view name = LocalName(child.name());
    if (name == "r" || name == "fld") text += DecodeEscapedText(Child(child, "t").child_value());
    else if (name == "br") text += '\n';
  }
  return text;
}

void ReadRunFont(pugi::xml_node rPr, const DrawingTheme& theme, DrawingTextData* text) {
  if (std::optional<double> size = NumberAttr(rPr, "sz")) text->fontSize = std::clamp(*size / 100, 1.0, kMaxFontSize);
  if (Attr(rPr, "b")) text->bold = BoolAttr(rPr, "b", false);
  if (Attr(rPr, "i")) text->italic = BoolAttr(rPr, "i", false);
  if (pugi::xml_attribute u = Attr(rPr, "u")) text->underline = std::string_view(u.value()) == "none" ? "" : u.value();
  if (pugi::xml_node fill = FillOf(rPr))
    if (std::optional<DrawingColor> color = FillColor(fill, theme.colors, std::nullopt)) text->rgb = color->rgb;
  if (pugi::xml_node latin = Child(rPr, "latin"); latin && *Attr(latin, "typeface").value())
    text->fontName = ThemeFont(Attr(latin, "typeface").value(), theme.fonts);
}

void ReadText(pugi::xml_node body, pugi::xml_node style, const DrawingTheme& theme, DrawingObjectData* data) {
  DrawingTextData& text = data->text;
  pugi::xml_node fontRef = Child(style, "fontRef");
  text.fontName = std::string_view(Attr(fontRef, "idx").value()) == "major" ? theme.fonts.major : theme.fonts.minor;
  if (std::optional<std::uint32_t> color = StyleColor(fontRef, theme.colors)) text.rgb = *color;
  if (!body) return;
  if (pugi::xml_attribute anchor = Attr(Child(body, "bodyPr"), "anchor")) text.anchor = anchor.value();
  bool first = true;
  pugi::xml_node firstRun;
  for (pugi::xml_node paragraph : Children(body, "p")) {
    if (first) {
      if (pugi::xml_attribute algn = Attr(Child(paragraph, "pPr"), "algn")) text.align = algn.value();
    } else {
      text.text += '\n';
    }
    first = false;
    text.text += ParagraphText(paragraph);
    if (!firstRun) firstRun = Child(paragraph, "r");
  }
  data->hasText = !text.text.empty();
  if (firstRun) ReadRunFont(Child(firstRun, "rPr"), theme, &text);
}

void ReadGeometry(pugi::xml_node properties, DrawingObjectData* data) {
  pugi::xml_node preset = Child(properties, "prstGeom");
  if (!preset) return;  // a custom geometry, or none
  data->geometry = Attr(preset, "prst").value();
  for (pugi::xml_node guide : Children(Child(preset, "avLst"), "gd")) {
    std::string_view formula = Attr(guide, "fmla").value();
    if (!formula.starts_with("val ")) continue;
    if (std::optional<double> value = ParseXmlNumber(formula.substr(4)))
      data->adjustments[Attr(guide, "name").value()] = *value;
  }
}

}  // namespace

void ReadThemeFonts(const XmlPart& theme, ThemeFonts* fonts) {
  pugi::xml_node scheme = Child(Child(Root(theme), "themeElements"), "fontScheme");
  auto latin = [&](std::string_view which, std::string* out) {
    std::string_view typeface = Attr(Child(Child(scheme, which), "latin"), "typeface").value();
    if (!typeface.empty()) *out = std::string(typeface);
  };
  latin("majorFont", &fonts->major);
  latin("minorFont", &fonts->minor);
}

void ReadRotationAndFlips(pugi::xml_node xfrm, DrawingObjectData* data) {
  if (std::optional<double> rot = NumberAttr(xfrm, "rot")) {
    double degrees = std::fmod(*rot / 60000, 360);
    data->rotation = degrees < 0 ? degrees + 360 : degrees;
  }
  data->flipH = BoolAttr(xfrm, "flipH", false);
  data->flipV = BoolAttr(xfrm, "flipV", false);
}

void ReadShapeProperties(pugi::xml_node object, pugi::xml_node groupFill, const DrawingTheme& theme,
                         DrawingObjectData* data) {
  pugi::xml_node properties = Child(object, "spPr");
  pugi::xml_node style = Child(object, "style");
  ReadRotationAndFlips(Child(properties, "xfrm"), data);
  ReadGeometry(properties, data);
  ReadLine(properties, style, theme.colors, &data->line);
  ReadFill(properties, style, groupFill, theme.colors, &data->fill);
  ReadText(Child(object, "txBody"), style, theme, data);
}

}  // namespace sim
