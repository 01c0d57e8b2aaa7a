#include "sim/dgn/ElementJson.h"

#include <stdexcept>

#include "sim/Strings.h"
#include "sim/dgn/ElementGeometry.h"

using nlohmann::json;

namespace sim {
namespace {

// Members nest at most this deep (cells in cells); deeper is taken as damage.
constexpr int kMaxDepth = 64;

json Point(const DPoint3d& p) { return json::array({p.x, p.y, p.z}); }

DPoint3d ReadPoint(const json& v) {
  if (!v.is_array() || v.size() != 3) throw std::runtime_error("a point is not three numbers");
  return {v.at(0).get<double>(), v.at(1).get<double>(), v.at(2).get<double>()};
}

json Matrix(const RotMatrix& m) {
  json a = json::array();
  for (const auto& row : m.form3d)
    for (double v : row) a.push_back(v);
  return a;
}

RotMatrix ReadMatrix(const json& v) {
  if (!v.is_array() || v.size() != 9) throw std::runtime_error("a matrix is not nine numbers");
  RotMatrix m;
  for (int i = 0; i < 9; ++i) m.form3d[i / 3][i % 3] = v.at(i).get<double>();
  return m;
}

json StoredElement(const MSElement& el) {
  json j;
  j["type"] = el.type;
  j["id"] = el.id;
  j["level"] = el.level;
  j["color"] = el.color;
  j["weight"] = el.weight;
  j["style"] = el.style;
  j["class"] = el.elementClass;
  j["ggroup"] = el.graphicGroup;
  j["locked"] = el.locked;
  j["viewIndependent"] = el.viewIndependent;
  j["solidHole"] = el.solidHole;
  json pts = json::array();
  for (const auto& p : el.points) pts.push_back(Point(p));
  j["points"] = pts;
  j["fill"] = el.fillMode;
  j["origin"] = Point(el.origin);
  j["matrix"] = Matrix(el.matrix);
  j["primary"] = el.primary;
  j["secondary"] = el.secondary;
  j["start"] = el.start;
  j["sweep"] = el.sweep;
  j["name"] = StoredText(el.name);
  j["text"] = StoredText(el.text);
  j["height"] = el.height;
  j["width"] = el.width;
  const TextParamWide& t = el.textParams;
  j["textParams"] = {{"font", t.font},         {"just", t.just},
                     {"lineSpacing", t.lineSpacing}, {"flags", t.flags},
                     {"exFlags", t.exFlags},   {"underlineSpacing", t.underlineSpacing},
                     {"nodeNumber", t.nodeNumber}, {"viewIndependent", t.viewIndependent}};
  json links = json::array();
  for (const auto& l : el.linkages) links.push_back({{"key", l.key}, {"text", StoredText(l.text)}});
  j["linkages"] = links;
  return j;
}

MSElement ReadStoredElement(const json& j) {
  if (!j.is_object()) throw std::runtime_error("an element is not an object");
  MSElement el;
  el.type = j.at("type").get<int>();
  el.id = j.at("id").get<ElementID>();
  el.level = j.at("level").get<LevelID>();
  el.color = j.at("color").get<UInt32>();
  el.weight = j.at("weight").get<UInt32>();
  el.style = j.at("style").get<Int32>();
  el.elementClass = j.at("class").get<int>();
  el.graphicGroup = j.at("ggroup").get<UInt32>();
  el.locked = j.at("locked").get<int>();
  el.viewIndependent = j.at("viewIndependent").get<int>();
  el.solidHole = j.at("solidHole").get<int>();
  const json& pts = j.at("points");
  if (!pts.is_array()) throw std::runtime_error("points are not a list");
  for (const auto& p : pts) el.points.push_back(ReadPoint(p));
  el.fillMode = j.at("fill").get<int>();
  el.origin = ReadPoint(j.at("origin"));
  el.matrix = ReadMatrix(j.at("matrix"));
  el.primary = j.at("primary").get<double>();
  el.secondary = j.at("secondary").get<double>();
  el.start = j.at("start").get<double>();
  el.sweep = j.at("sweep").get<double>();
  el.name = ReadStoredText(j.at("name"));
  el.text = ReadStoredText(j.at("text"));
  el.height = j.at("height").get<double>();
  el.width = j.at("width").get<double>();
  const json& t = j.at("textParams");
  el.textParams.font = t.at("font").get<UInt32>();
  el.textParams.just = t.at("just").get<int>();
  el.textParams.lineSpacing = t.at("lineSpacing").get<double>();
  el.textParams.flags = t.at("flags").get<UInt32>();
  el.textParams.exFlags = t.at("exFlags").get<UInt32>();
  el.textParams.underlineSpacing = t.at("underlineSpacing").get<double>();
  el.textParams.nodeNumber = t.at("nodeNumber").get<int>();
  el.textParams.viewIndependent = t.at("viewIndependent").get<int>();
  const json& links = j.at("linkages");
  if (!links.is_array()) throw std::runtime_error("linkages are not a list");
  for (const auto& l : links) el.linkages.push_back({l.at("key").get<UShort>(), ReadStoredText(l.at("text"))});
  if (const char* problem = GeometryProblem(el)) throw std::runtime_error(problem);
  return el;
}

ElementNode ReadNode(const json& v, int depth) {
  if (depth > kMaxDepth) throw std::runtime_error("members nest too deep");
  ElementNode node{ReadStoredElement(v), {}};
  const json& members = v.at("members");
  if (!members.is_array()) throw std::runtime_error("members are not a list");
  if (!members.empty() && node.el.type != CELL_HEADER_ELM && node.el.type != TEXT_NODE_ELM)
    throw std::runtime_error("a simple element has members");
  for (const auto& m : members) node.members.push_back(ReadNode(m, depth + 1));
  return node;
}

}  // namespace

// Texts that survive the trip through UTF-8 are stored as such; others (unpaired
// surrogates) as their UTF-16 code units, so that nothing is lost.
json StoredText(const std::u16string& text) {
  std::string utf8 = Utf16ToUtf8(text);
  if (Utf8ToUtf16(utf8) == text) return utf8;
  json units = json::array();
  for (char16_t c : text) units.push_back(static_cast<int>(c));
  return json{{"u16", units}};
}

std::u16string ReadStoredText(const json& value) {
  if (value.is_string()) return Utf8ToUtf16(value.get<std::string>());
  if (value.is_object() && value.contains("u16") && value.at("u16").is_array()) {
    std::u16string text;
    for (const auto& u : value.at("u16")) {
      int c = u.get<int>();
      if (c < 0 || c > 0xFFFF) throw std::runtime_error("a text holds a value that is no UTF-16 unit");
      text.push_back(static_cast<char16_t>(c));
    }
    return text;
  }
  throw std::runtime_error("a text is neither a string nor UTF-16 units");
}

json StoredNode(const ElementNode& node) {
  json j = StoredElement(node.el);
  json members = json::array();
  for (const auto& m : node.members) members.push_back(StoredNode(m));
  j["members"] = members;
  return j;
}

ElementNode ReadStoredNode(const json& value) {
  try {
    return ReadNode(value, 0);
  } catch (const json::exception& e) {
    throw std::runtime_error(e.what());
  }
}

}  // namespace sim
