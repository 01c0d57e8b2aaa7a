#include "sim/excel/xlsx/XlsxStyles.h"

#include <algorithm>
#include <map>

#include "sim/excel/xlsx/BuiltInNumberFormats.h"
#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

constexpr long long kMaxId = 1LL << 31;

std::string TooManyStylesText() { return "The workbook has more than " + std::to_string(kMaxStyles) + " styles."; }

FillData ReadFill(pugi::xml_node fill, const WorkbookColors& colors) {
  FillData data;
  if (pugi::xml_node pattern = Child(fill, "patternFill")) {
    if (pugi::xml_attribute type = Attr(pattern, "patternType")) data.patternType = type.value();
    data.fgColor = ReadColor(Child(pattern, "fgColor"), colors);
    data.bgColor = ReadColor(Child(pattern, "bgColor"), colors);
  } else if (pugi::xml_node gradient = Child(fill, "gradientFill")) {
    data.gradientType = Attr(gradient, "type") ? Attr(gradient, "type").value() : "linear";
    data.gradientDegree = NumberAttr(gradient, "degree").value_or(0);
    for (pugi::xml_node stop : Children(gradient, "stop"))
      data.gradientStops.push_back({NumberAttr(stop, "position").value_or(0), ReadColor(Child(stop, "color"), colors)});
  }
  return data;
}

BorderEdge ReadEdge(pugi::xml_node edge, const WorkbookColors& colors) {
  BorderEdge data;
  if (!edge) return data;
  std::string_view style = Attr(edge, "style").value();
  if (style != "none") data.style = style;
  data.color = ReadColor(Child(edge, "color"), colors);
  return data;
}

BorderData ReadBorder(pugi::xml_node border, const WorkbookColors& colors) {
  BorderData data;
  // Newer files may name the sides by reading direction.
  auto side = [&](std::string_view name, std::string_view alternative) {
    pugi::xml_node edge = Child(border, name);
    return ReadEdge(edge ? edge : Child(border, alternative), colors);
  };
  data.left = side("left", "start");
  data.right = side("right", "end");
  data.top = side("top", "");
  data.bottom = side("bottom", "");
  data.diagonal = ReadEdge(Child(border, "diagonal"), colors);
  data.diagonalUp = BoolAttr(border, "diagonalUp", false);
  data.diagonalDown = BoolAttr(border, "diagonalDown", false);
  return data;
}

AlignmentData ReadAlignment(pugi::xml_node alignment) {
  AlignmentData data;
  if (!alignment) return data;
  if (pugi::xml_attribute a = Attr(alignment, "horizontal")) data.horizontal = a.value();
  if (pugi::xml_attribute a = Attr(alignment, "vertical")) data.vertical = a.value();
  data.indent = static_cast<int>(IntAttr(alignment, "indent", 0, 250).value_or(0));
  data.wrapText = BoolAttr(alignment, "wrapText", false);
  data.shrinkToFit = BoolAttr(alignment, "shrinkToFit", false);
  long long rotation = IntAttr(alignment, "textRotation", 0, 255).value_or(0);
  data.textRotation = rotation <= 180 || rotation == 255 ? static_cast<int>(rotation) : 0;
  data.readingOrder = static_cast<int>(IntAttr(alignment, "readingOrder", 0, 2).value_or(0));
  return data;
}

template <typename T, typename ReadOne>
bool ReadList(pugi::xml_node list, std::string_view item, std::vector<T>* out, std::string* error, ReadOne read) {
  for (pugi::xml_node node : Children(list, item)) {
    if (out->size() >= kMaxStyles) {
      *error = TooManyStylesText();
      return false;
    }
    out->push_back(read(node));
  }
  return true;
}

template <typename T>
const T& Pick(const std::vector<T>& list, std::optional<long long> id, const T& fallback) {
  return id && *id < static_cast<long long>(list.size()) ? list[*id] : fallback;
}

}  // namespace

FontData ReadFont(pugi::xml_node font, const WorkbookColors& colors, const FontData& base) {
  FontData data = base;
  pugi::xml_node name = Child(font, "name");
  if (!name) name = Child(font, "rFont");
  if (name) data.name = Attr(name, "val").value();
  if (pugi::xml_node size = Child(font, "sz")) data.size = std::clamp(NumberAttr(size, "val").value_or(base.size), 1.0, 409.0);
  data.bold = BoolElement(font, "b");
  data.italic = BoolElement(font, "i");
  data.strike = BoolElement(font, "strike");
  data.underline.clear();
  if (pugi::xml_node u = Child(font, "u")) {
    std::string_view value = Attr(u, "val") ? Attr(u, "val").value() : "single";
    if (value != "none") data.underline = value;
  }
  data.vertAlign.clear();
  if (pugi::xml_node v = Child(font, "vertAlign")) data.vertAlign = Attr(v, "val").value();
  if (pugi::xml_node color = Child(font, "color")) data.color = ReadColor(color, colors);
  return data;
}

bool ReadStyles(const XmlPart* part, WorkbookColors* colors, WorkbookStyles* out, std::string* error) {
  pugi::xml_node sheet = part ? Root(*part) : pugi::xml_node();
  ReadIndexedColors(sheet, colors);

  std::map<long long, std::string> numFmts;
  for (pugi::xml_node f : Children(Child(sheet, "numFmts"), "numFmt")) {
    if (numFmts.size() >= kMaxStyles) {
      *error = TooManyStylesText();
      return false;
    }
    if (std::optional<long long> id = IntAttr(f, "numFmtId", 0, kMaxId)) numFmts[*id] = Attr(f, "formatCode").value();
  }
  FontData defaults;
  std::vector<FontData> fonts;
  std::vector<FillData> fills;
  std::vector<BorderData> borders;
  if (!ReadList(Child(sheet, "fonts"), "font", &fonts, error,
                [&](pugi::xml_node n) { return ReadFont(n, *colors, FontData()); }) ||
      !ReadList(Child(sheet, "fills"), "fill", &fills, error, [&](pugi::xml_node n) { return ReadFill(n, *colors); }) ||
      !ReadList(Child(sheet, "borders"), "border", &borders, error,
                [&](pugi::xml_node n) { return ReadBorder(n, *colors); }))
    return false;
  out->defaultFont = fonts.empty() ? defaults : fonts.front();

  auto resolve = [&](pugi::xml_node xf) {
    auto style = std::make_shared<CellStyle>();
    std::optional<long long> numFmtId = IntAttr(xf, "numFmtId", 0, kMaxId);
    style->numFmtId = static_cast<int>(numFmtId.value_or(0));
    auto custom = numFmts.find(style->numFmtId);
    style->numberFormat = custom != numFmts.end() ? custom->second : BuiltInNumberFormat(style->numFmtId);
    style->font = Pick(fonts, IntAttr(xf, "fontId", 0, kMaxId), out->defaultFont);
    style->fill = Pick(fills, IntAttr(xf, "fillId", 0, kMaxId), FillData());
    style->border = Pick(borders, IntAttr(xf, "borderId", 0, kMaxId), BorderData());
    style->alignment = ReadAlignment(Child(xf, "alignment"));
    return std::shared_ptr<const CellStyle>(std::move(style));
  };
  out->cellStyles.clear();
  if (!ReadList(Child(sheet, "cellXfs"), "xf", &out->cellStyles, error, resolve)) return false;
  if (out->cellStyles.empty()) {
    auto style = std::make_shared<CellStyle>();
    style->font = out->defaultFont;
    out->cellStyles.push_back(std::move(style));
  }
  return true;
}

}  // namespace sim
