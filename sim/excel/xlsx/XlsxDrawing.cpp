#include "sim/excel/xlsx/XlsxDrawing.h"

#include <cmath>
#include <map>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxPackage.h"
#include "sim/excel/xlsx/XlsxRanges.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

constexpr double kEmuPerPoint = 12700;

using Relationships = std::map<std::string, Relationship>;

// Maps a coordinate of a group's members (EMU) to a fraction of the anchor's box:
// fraction = scale * coordinate + offset.
struct Axis {
  double scale = 0, offset = 0;
  double At(double coordinate) const { return scale * coordinate + offset; }
};
struct GroupFrame {
  Axis x, y;
};

// A position or size in EMU; none when absent, not a number or past the bounds.
std::optional<double> Emu(pugi::xml_node node, std::string_view name, bool mayBeNegative = false) {
  std::optional<double> value = NumberAttr(node, name);
  if (!value || *value > kMaxDrawingEmu || *value < (mayBeNegative ? -kMaxDrawingEmu : 0)) return std::nullopt;
  return value;
}
std::optional<double> EmuText(pugi::xml_node element) {
  std::optional<double> value = ParseXmlNumber(element.child_value());
  if (!value || *value < 0 || *value > kMaxDrawingEmu) return std::nullopt;
  return value;
}

std::optional<DrawingMarker> ReadMarker(pugi::xml_node marker) {
  std::optional<double> column = ParseXmlNumber(Child(marker, "col").child_value());
  std::optional<double> row = ParseXmlNumber(Child(marker, "row").child_value());
  std::optional<double> columnOffset = EmuText(Child(marker, "colOff"));
  std::optional<double> rowOffset = EmuText(Child(marker, "rowOff"));
  if (!column || !row || !columnOffset || !rowOffset || *column < 0 || *column >= kMaxColumn || *row < 0 ||
      *row >= kMaxRow || *column != std::floor(*column) || *row != std::floor(*row))
    return std::nullopt;
  return DrawingMarker{static_cast<int>(*column), *columnOffset / kEmuPerPoint, static_cast<int>(*row),
                       *rowOffset / kEmuPerPoint};
}

std::optional<DrawingAnchor> ReadAnchor(pugi::xml_node element) {
  DrawingAnchor anchor;
  std::string_view kind = LocalName(element.name());
  if (kind == "twoCellAnchor") {
    std::optional<DrawingMarker> from = ReadMarker(Child(element, "from")), to = ReadMarker(Child(element, "to"));
    if (!from || !to) return std::nullopt;
    anchor.from = *from;
    anchor.to = *to;
    return anchor;
  }
  pugi::xml_node ext = Child(element, "ext");
  std::optional<double> cx = Emu(ext, "cx"), cy = Emu(ext, "cy");
  if (!cx || !cy) return std::nullopt;
  anchor.width = *cx / kEmuPerPoint;
  anchor.height = *cy / kEmuPerPoint;
  if (kind == "oneCellAnchor") {
    std::optional<DrawingMarker> from = ReadMarker(Child(element, "from"));
    if (!from) return std::nullopt;
    anchor.kind = DrawingAnchor::Kind::OneCell;
    anchor.from = *from;
    return anchor;
  }
  pugi::xml_node pos = Child(element, "pos");
  std::optional<double> x = Emu(pos, "x"), y = Emu(pos, "y");
  if (!x || !y) return std::nullopt;
  anchor.kind = DrawingAnchor::Kind::Absolute;
  anchor.x = *x / kEmuPerPoint;
  anchor.y = *y / kEmuPerPoint;
  return anchor;
}

// The element an mc:AlternateContent stands for: its Choice when that holds
// something read here, else its Fallback's.
bool IsReadable(pugi::xml_node element);
pugi::xml_node ChosenContent(pugi::xml_node alternate) {
  for (pugi::xml_node choice : Children(alternate, "Choice"))
    for (pugi::xml_node child = choice.first_child(); child; child = child.next_sibling())
      if (IsReadable(child)) return child;
  for (pugi::xml_node child = Child(alternate, "Fallback").first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) return child;
  return {};
}

pugi::xml_node ChartOf(pugi::xml_node frame) { return Child(Child(Child(frame, "graphic"), "graphicData"), "chart"); }

bool IsReadable(pugi::xml_node element) {
  std::string_view name = LocalName(element.name());
  if (name == "graphicFrame") return static_cast<bool>(ChartOf(element));
  return name == "sp" || name == "cxnSp" || name == "pic" || name == "grpSp";
}

pugi::xml_node NonVisualProperties(pugi::xml_node object) {
  for (pugi::xml_node child = object.first_child(); child; child = child.next_sibling())
    if (LocalName(child.name()).starts_with("nv")) return Child(child, "cNvPr");
  return {};
}

class CDrawingReader {
 public:
  CDrawingReader(CXlsxPackage& package, std::string partName, const DrawingTheme& theme, SheetData& sheet)
      : package_(package), partName_(std::move(partName)), theme_(theme), sheet_(sheet) {}

  void Read(const XmlPart& part) {
    std::string error;
    if (!package_.Relationships(partName_, &rels_, &error)) {
      // Pictures and charts need the relationships; shapes do not.
      Warn(std::nullopt, "Its pictures and charts cannot be found: " + error);
      rels_.clear();
    }
    for (pugi::xml_node element = Root(part).first_child(); element && !full_; element = element.next_sibling()) {
      if (element.type() != pugi::node_element) continue;
      if (LocalName(element.name()) == "AlternateContent") element = ChosenContent(element);
      ReadAnchored(element);
    }
  }

 private:
  // A drawing of countless broken objects is told about in a few lines, not one each.
  void Warn(std::optional<DrawingAnchor> anchor, std::string text) {
    if (sheet_.drawingWarnings.size() < kMaxDrawingWarnings) {
      sheet_.drawingWarnings.push_back({std::move(text), anchor});
    } else if (sheet_.drawingWarnings.size() == kMaxDrawingWarnings) {
      sheet_.drawingWarnings.push_back({"More drawing objects of the sheet \"" + sheet_.name +
                                            "\" are left out than are named here.",
                                        std::nullopt});
    }
  }
  void WarnObject(pugi::xml_node object, const std::optional<DrawingAnchor>& anchor, const std::string& reason) {
    std::string name = Attr(NonVisualProperties(object), "name").value();
    Warn(anchor, "The drawing object \"" + (name.empty() ? std::string("without a name") : name) + "\" of the sheet \"" +
                     sheet_.name + "\" is left out: " + reason + ".");
  }

  void ReadAnchored(pugi::xml_node element) {
    std::string_view kind = LocalName(element.name());
    if (kind != "twoCellAnchor" && kind != "oneCellAnchor" && kind != "absoluteAnchor") return;
    std::optional<DrawingAnchor> anchor = ReadAnchor(element);
    for (pugi::xml_node object = element.first_child(); object; object = object.next_sibling()) {
      std::string_view name = LocalName(object.name());
      if (name == "AlternateContent") {
        pugi::xml_node chosen = ChosenContent(object);
        if (LocalName(chosen.name()) == "graphicFrame") fallbackPicture_ = FallbackPicture(object);
        object = chosen;
        name = LocalName(object.name());
      }
      if (name == "from" || name == "to" || name == "ext" || name == "pos" || name == "clientData" || name.empty())
        continue;
      if (!anchor) {
        WarnObject(object, std::nullopt, "its place on the sheet cannot be read");
      } else {
        ReadObject(object, *anchor, nullptr, 0);
      }
      fallbackPicture_ = {};
      break;  // one object per anchor
    }
  }

  // The picture an alternate content gives in place of its chart.
  static pugi::xml_node FallbackPicture(pugi::xml_node alternate) {
    for (pugi::xml_node child = Child(alternate, "Fallback").first_child(); child; child = child.next_sibling())
      if (LocalName(child.name()) == "pic") return child;
    return {};
  }

  bool Count(const DrawingAnchor& anchor) {
    if (objects_ < kMaxDrawingObjects) {
      ++objects_;
      return true;
    }
    if (!full_) {
      Warn(anchor, "The sheet \"" + sheet_.name + "\" has more than " + std::to_string(kMaxDrawingObjects) +
                       " drawing objects; those after the first " + std::to_string(kMaxDrawingObjects) +
                       " are left out.");
    }
    full_ = true;
    return false;
  }

  void ReadObject(pugi::xml_node object, const DrawingAnchor& anchor, const GroupFrame* group, int depth) {
    if (full_) return;
    std::string_view name = LocalName(object.name());
    if (name == "AlternateContent") {
      object = ChosenContent(object);
      name = LocalName(object.name());
    }
    if (name == "grpSp") return ReadGroup(object, anchor, group, depth);
    if (!Count(anchor)) return;
    DrawingObjectData data;
    pugi::xml_node cNvPr = NonVisualProperties(object);
    data.id = static_cast<int>(IntAttr(cNvPr, "id", 0, 1LL << 31).value_or(0));
    data.name = Attr(cNvPr, "name").value();
    data.anchor = anchor;
    std::string reason;
    if (!Classify(object, &data, &reason) || (group && !PlaceInGroup(object, *group, &data, &reason)))
      return WarnObject(object, anchor, reason);
    if (!group) PlaceInAnchor(object, &data);
    sheet_.drawings.push_back(std::move(data));
  }

  bool Classify(pugi::xml_node object, DrawingObjectData* data, std::string* reason) {
    std::string_view name = LocalName(object.name());
    if (name == "sp" || name == "cxnSp" || name == "pic") {
      ReadShapeProperties(object, groupFill_, theme_, data);
      if (name == "sp")
        data->kind = BoolAttr(Child(Child(object, "nvSpPr"), "cNvSpPr"), "txBox", false) ? DrawingKind::TextBox
                                                                                          : DrawingKind::Shape;
      else if (name == "cxnSp")
        data->kind = DrawingKind::Connector;
      else
        return ReadPicture(object, data, reason);
      return true;
    }
    if (name == "graphicFrame") {
      pugi::xml_node chart = ChartOf(object);
      if (!chart) {
        *reason = "it is neither a shape, a picture nor a chart";
        return false;
      }
      data->kind = DrawingKind::Chart;
      ReadRotationAndFlips(Child(object, "xfrm"), data);
      auto rel = rels_.find(Attr(chart, "id").value());
      if (rel != rels_.end() && !rel->second.target.empty() && package_.Has(rel->second.target)) {
        data->chartPart = rel->second.target;
        data->mediaPart = ChartPicture(rel->second.target);
      }
      if (data->mediaPart.empty() && fallbackPicture_) {
        std::string ignored;
        DrawingObjectData picture;
        if (ReadPicture(fallbackPicture_, &picture, &ignored)) data->mediaPart = picture.mediaPart;
      }
      return true;
    }
    *reason = "it is of a kind (" + std::string(name) + ") that is not drawn";
    return false;
  }

  // An image part the chart part refers to, which some programs keep as the chart's
  // picture; "" when there is none.
  std::string ChartPicture(const std::string& chartPart) {
    Relationships rels;
    std::string ignored;
    if (!package_.Relationships(chartPart, &rels, &ignored)) return "";
    for (const auto& [id, rel] : rels)
      if (rel.type == "image" && !rel.target.empty() && package_.Has(rel.target)) return rel.target;
    return "";
  }

  bool ReadPicture(pugi::xml_node picture, DrawingObjectData* data, std::string* reason) {
    data->kind = DrawingKind::Picture;
    pugi::xml_node blip = Child(Child(picture, "blipFill"), "blip");
    std::string_view embed = Attr(blip, "embed").value();
    if (embed.empty()) {
      *reason = Attr(blip, "link") ? "its picture is linked to a file outside the workbook"
                                   : "it has no picture in the workbook";
      return false;
    }
    auto rel = rels_.find(std::string(embed));
    if (rel == rels_.end()) {
      *reason = "its picture is not among the drawing's relationships";
      return false;
    }
    if (rel->second.target.empty()) {
      *reason = "its picture is a file outside the workbook";
      return false;
    }
    if (!package_.Has(rel->second.target)) {
      *reason = "its picture " + rel->second.target + " is missing from the workbook";
      return false;
    }
    data->mediaPart = rel->second.target;
    return true;
  }

  // A top-level object fills its anchor; one turned by 45 to 135 degrees (or 225 to
  // 315) is anchored by its box turned a quarter, so its own box keeps the centre
  // and swaps the sides.
  static void PlaceInAnchor(pugi::xml_node object, DrawingObjectData* data) {
    const bool quarter = (data->rotation >= 45 && data->rotation < 135) || (data->rotation >= 225 && data->rotation < 315);
    if (!quarter) return;
    pugi::xml_node ext = Child(TransformOf(object), "ext");
    std::optional<double> cx = Emu(ext, "cx"), cy = Emu(ext, "cy");
    if (!cx || !cy || *cx <= 0 || *cy <= 0) return;
    data->boxWidth = *cx / *cy;
    data->boxHeight = *cy / *cx;
    data->boxLeft = (1 - data->boxWidth) / 2;
    data->boxTop = (1 - data->boxHeight) / 2;
  }

  static pugi::xml_node TransformOf(pugi::xml_node object) {
    std::string_view name = LocalName(object.name());
    if (name == "graphicFrame") return Child(object, "xfrm");
    return Child(Child(object, name == "grpSp" ? "grpSpPr" : "spPr"), "xfrm");
  }

  bool PlaceInGroup(pugi::xml_node object, const GroupFrame& group, DrawingObjectData* data, std::string* reason) {
    pugi::xml_node xfrm = TransformOf(object);
    std::optional<double> x = Emu(Child(xfrm, "off"), "x", true), y = Emu(Child(xfrm, "off"), "y", true);
    std::optional<double> cx = Emu(Child(xfrm, "ext"), "cx"), cy = Emu(Child(xfrm, "ext"), "cy");
    if (!x || !y || !cx || !cy) {
      *reason = "its place within its group cannot be read";
      return false;
    }
    data->boxLeft = group.x.At(*x);
    data->boxTop = group.y.At(*y);
    data->boxWidth = group.x.scale * *cx;
    data->boxHeight = group.y.scale * *cy;
    return true;
  }

  void ReadGroup(pugi::xml_node groupElement, const DrawingAnchor& anchor, const GroupFrame* parent, int depth) {
    if (depth >= kMaxGroupDepth) {
      WarnObject(groupElement, anchor, "its groups are nested more than " + std::to_string(kMaxGroupDepth) + " deep");
      return;
    }
    pugi::xml_node properties = Child(groupElement, "grpSpPr");
    pugi::xml_node xfrm = Child(properties, "xfrm");
    std::optional<double> x = Emu(Child(xfrm, "off"), "x", true), y = Emu(Child(xfrm, "off"), "y", true);
    std::optional<double> cx = Emu(Child(xfrm, "ext"), "cx"), cy = Emu(Child(xfrm, "ext"), "cy");
    std::optional<double> chx = Emu(Child(xfrm, "chOff"), "x", true), chy = Emu(Child(xfrm, "chOff"), "y", true);
    std::optional<double> chcx = Emu(Child(xfrm, "chExt"), "cx"), chcy = Emu(Child(xfrm, "chExt"), "cy");
    if (!x || !y || !cx || !cy || !chx || !chy || !chcx || !chcy || (!parent && (*cx <= 0 || *cy <= 0))) {
      WarnObject(groupElement, anchor, "the place of its members cannot be read");
      return;
    }
    // The group's own box in its parent's coordinates (the anchor's box when it has
    // no parent), its members' coordinates mapped onto it.
    Axis outerX = parent ? parent->x : Axis{1 / *cx, -*x / *cx};
    Axis outerY = parent ? parent->y : Axis{1 / *cy, -*y / *cy};
    const double sx = *chcx > 0 ? *cx / *chcx : 1, sy = *chcy > 0 ? *cy / *chcy : 1;
    GroupFrame frame;
    frame.x = Axis{outerX.scale * sx, outerX.At(*x - *chx * sx)};
    frame.y = Axis{outerY.scale * sy, outerY.At(*y - *chy * sy)};
    pugi::xml_node outerFill = groupFill_;
    groupFill_ = properties;
    for (pugi::xml_node member = groupElement.first_child(); member && !full_; member = member.next_sibling()) {
      std::string_view name = LocalName(member.name());
      if (name == "nvGrpSpPr" || name == "grpSpPr" || member.type() != pugi::node_element) continue;
      ReadObject(member, anchor, &frame, depth + 1);
    }
    groupFill_ = outerFill;
  }

  CXlsxPackage& package_;
  std::string partName_;
  const DrawingTheme& theme_;
  SheetData& sheet_;
  Relationships rels_;
  std::size_t objects_ = 0;
  bool full_ = false;
  pugi::xml_node fallbackPicture_;
  pugi::xml_node groupFill_;
};

}  // namespace

void ReadSheetDrawing(CXlsxPackage& package, std::string_view sheetPart, const DrawingTheme& theme, SheetData* sheet) {
  if (sheet->drawingId.empty()) return;
  const std::string cannot = "The drawing objects of the sheet \"" + sheet->name + "\" cannot be read: ";
  Relationships rels;
  std::string error;
  if (!package.Relationships(sheetPart, &rels, &error)) {
    sheet->drawingWarnings.push_back({cannot + error, std::nullopt});
    return;
  }
  auto rel = rels.find(sheet->drawingId);
  if (rel == rels.end() || rel->second.target.empty()) {
    sheet->drawingWarnings.push_back({cannot + "the sheet's drawing is not in the workbook.", std::nullopt});
    return;
  }
  XmlPart part;
  if (!ReadXmlPart(package, rel->second.target, &part, &error)) {
    sheet->drawingWarnings.push_back({cannot + error, std::nullopt});
    return;
  }
  CDrawingReader(package, rel->second.target, theme, *sheet).Read(part);
}

}  // namespace sim
