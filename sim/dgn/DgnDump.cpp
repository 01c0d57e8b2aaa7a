#include "sim/dgn/DgnDump.h"

#include <cmath>

#include "sim/Strings.h"
#include "sim/dgn/ElementGeometry.h"

using nlohmann::ordered_json;

namespace sim {
namespace {

ordered_json Point(const DgnModel& m, const DPoint3d& p) {
  return ordered_json::array({p.x / m.uorPerMaster, p.y / m.uorPerMaster, p.z / m.uorPerMaster});
}

ordered_json Matrix(const RotMatrix& r) {
  ordered_json rows = ordered_json::array();
  for (const auto& row : r.form3d) rows.push_back(ordered_json::array({row[0], row[1], row[2]}));
  return rows;
}

double Degrees(const RotMatrix& r) { return std::atan2(r.form3d[1][0], r.form3d[0][0]) * 180.0 / fc_pi; }

// The text parameters' flag words, with what their bits say spelt out for people.
ordered_json TextFlags(const TextParamWide& t, double uorPerMaster) {
  return {{"flags", t.flags},
          {"exFlags", t.exFlags},
          {"underlineSpacing", t.underlineSpacing / uorPerMaster},
          {"italic", (t.flags & TXTFLAG_ITALICS) != 0},
          {"underline", (t.flags & TXTFLAG_UNDERLINE) != 0},
          {"bold", (t.exFlags & TXTEXFLAG_BOLD) != 0},
          {"superscript", (t.flags & TXTFLAG_SUPERSCRIPT) != 0},
          {"subscript", (t.flags & TXTFLAG_SUBSCRIPT) != 0},
          {"fraction", (t.exFlags & TXTEXFLAG_STACKEDFRACTION_SECTION_MASK) >> TXTEXFLAG_STACKEDFRACTION_SECTION_SHIFT}};
}

void AddGeometry(ordered_json& j, const DgnModel& m, const ElementNode& node) {
  const MSElement& el = node.el;
  double u = m.uorPerMaster;
  switch (el.type) {
    case LINE_ELM:
    case LINE_STRING_ELM:
    case SHAPE_ELM: {
      ordered_json pts = ordered_json::array();
      for (const auto& p : el.points) pts.push_back(Point(m, p));
      j["points"] = pts;
      if (el.fillMode) j["fill"] = el.color;
      break;
    }
    case ELLIPSE_ELM:
    case ARC_ELM:
      j["centre"] = Point(m, el.origin);
      j["radii"] = ordered_json::array({el.primary / u, el.secondary / u});
      j["start"] = el.type == ARC_ELM ? el.start : 0.0;
      j["sweep"] = el.sweep;
      j["rotation"] = Matrix(el.matrix);
      if (el.fillMode) j["fill"] = el.color;
      break;
    case CELL_HEADER_ELM: {
      ordered_json members = ordered_json::array();
      for (const auto& mem : node.members) members.push_back(DumpNode(m, mem));
      RotMatrix r;
      DPoint3d s;
      SplitCellMatrix(el.matrix, &r, &s);
      j["name"] = Utf16ToUtf8(el.name);
      j["origin"] = Point(m, el.origin);
      j["rotation"] = Matrix(r);
      j["scale"] = ordered_json::array({s.x, s.y, s.z});
      j["members"] = members;
      break;
    }
    case TEXT_ELM:
    case TEXT_NODE_ELM: {
      if (el.type == TEXT_ELM) j["text"] = Utf16ToUtf8(el.text);
      j["origin"] = Point(m, el.origin);
      j["font"] = el.textParams.font;
      j["height"] = el.height / u;
      j["width"] = el.width / u;
      j["just"] = el.textParams.just;
      j["rotationDegrees"] = Degrees(el.matrix);
      j["lineSpacing"] = el.textParams.lineSpacing / u;
      j["flags"] = TextFlags(el.textParams, u);
      if (el.type == TEXT_NODE_ELM) {
        ordered_json members = ordered_json::array();
        for (const auto& mem : node.members) members.push_back(DumpNode(m, mem));
        j["members"] = members;
      }
      break;
    }
    default:
      break;
  }
}

ordered_json Linkages(const MSElement& el) {
  ordered_json a = ordered_json::array();
  for (const auto& l : el.linkages) a.push_back({{"key", l.key}, {"text", Utf16ToUtf8(l.text)}});
  return a;
}

}  // namespace

ordered_json DumpNode(const DgnModel& m, const ElementNode& node) {
  const MSElement& el = node.el;
  ordered_json j;
  j["id"] = el.id;
  j["type"] = el.type;
  j["level"] = el.level;
  j["color"] = el.color;
  j["weight"] = el.weight;
  j["style"] = el.style;
  AddGeometry(j, m, node);
  j["linkages"] = Linkages(el);
  j["xattributes"] = ordered_json::array();
  return j;
}

ordered_json DumpModel(const DgnModel& m) {
  ordered_json j;
  j["units"] = {{"uorPerMaster", m.uorPerMaster},
                {"subPerMaster", m.subPerMaster},
                {"masterUnit", m.masterUnit.label},
                {"subUnit", m.subUnit.label}};
  ordered_json levels = ordered_json::array();
  for (const auto& l : m.levels) levels.push_back({{"id", l.id}, {"name", Utf16ToUtf8(l.name)}});
  j["levels"] = levels;
  j["activeLevel"] = m.activeLevel;
  ordered_json fonts = ordered_json::array();
  for (const auto& f : m.fonts) fonts.push_back({{"number", f.number}, {"kind", f.type}, {"name", Utf16ToUtf8(f.name)}});
  j["fonts"] = fonts;
  j["activeFont"] = m.activeFont;
  ordered_json elements = ordered_json::array();
  for (const auto& [pos, rec] : m.elements) {
    if (rec->deleted) continue;
    ordered_json e = DumpNode(m, rec->node);
    ordered_json top;
    top["id"] = e["id"];
    top["filePos"] = pos;
    for (auto it = e.begin(); it != e.end(); ++it)
      if (it.key() != "id") top[it.key()] = it.value();
    ordered_json xa = ordered_json::array();
    for (const auto& x : rec->xattributes)
      xa.push_back({{"handler", x.major}, {"minor", x.minor}, {"id", x.id}, {"size", x.data.size()}});
    top["xattributes"] = xa;
    elements.push_back(top);
  }
  j["elements"] = elements;
  ordered_json rasters = ordered_json::array();
  for (const auto& r : m.rasters) {
    if (!r->attached) continue;
    rasters.push_back({{"name", Utf16ToUtf8(r->logicalName)},
                       {"path", r->fileName},
                       {"origin", Point(m, r->geo.origin)},
                       {"extent", {r->geo.extent.x / m.uorPerMaster, r->geo.extent.y / m.uorPerMaster}},
                       {"rotationDegrees", r->geo.rotationDegrees},
                       {"viewMask", r->rendering.viewMask}});
  }
  j["rasters"] = rasters;
  return j;
}

}  // namespace sim
