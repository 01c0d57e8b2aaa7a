#include "sim/dgn/DgnModel.h"

#include <cstring>

#include "sim/Strings.h"
#include "sim/platform/TextCase.h"

namespace {

struct UnitEntry {
  int number;
  const char* label;
  double metres;
};

// The units this host knows, by their standard numbers.
const UnitEntry kUnits[] = {
    {UNIT_METRES, "m", 1.0},
    {UNIT_CENTIMETRES, "cm", 0.01},
    {UNIT_MILLIMETRES, "mm", 0.001},
    {UNIT_KILOMETRES, "km", 1000.0},
    {UNIT_INCHES, "in", 0.0254},
    {UNIT_FEET, "ft", 0.3048},
    {UNIT_SURVEY_FEET, "sf", 1200.0 / 3937.0},
    {UNIT_YARDS, "yd", 0.9144},
    {UNIT_MILES, "mi", 1609.344},
};

UnitDefinition MakeUnit(const UnitEntry& e) {
  UnitDefinition u;
  u.metresPerUnit = e.metres;
  u.standardNumber = e.number;
  std::strncpy(u.label, e.label, sizeof u.label - 1);
  return u;
}

void AssignIds(ElementNode& node, DgnModel& model) {
  node.el.id = model.TakeElementId();
  for (auto& m : node.members) AssignIds(m, model);
}

}  // namespace

bool StandardUnit(int number, UnitDefinition* unit) {
  for (const auto& e : kUnits)
    if (e.number == number) {
      *unit = MakeUnit(e);
      return true;
    }
  return false;
}

bool StandardUnitByLabel(const std::string& label, UnitDefinition* unit) {
  for (const auto& e : kUnits)
    if (sim::EqualsIgnoringCase(label, e.label)) {
      *unit = MakeUnit(e);
      return true;
    }
  return false;
}

// Index 0 is white (drawn in the foreground colour on a light background), 1-7 the
// primaries blue, green, red, yellow, violet, orange, cyan; 8 and 9 a dark and a light
// grey; 10-225 the 6x6x6 cube of the levels 0, 51, ..., 255 (red slowest); 226-254
// greys from 8 to 232 in steps of 8; 255 white.
std::array<RGBColorDef, 256> DefaultColorTable() {
  std::array<RGBColorDef, 256> t{};
  auto set = [&](int i, int r, int g, int b) {
    t[i].red = static_cast<unsigned char>(r);
    t[i].green = static_cast<unsigned char>(g);
    t[i].blue = static_cast<unsigned char>(b);
  };
  set(0, 255, 255, 255);
  set(1, 0, 0, 255);
  set(2, 0, 255, 0);
  set(3, 255, 0, 0);
  set(4, 255, 255, 0);
  set(5, 255, 0, 255);
  set(6, 255, 127, 0);
  set(7, 0, 255, 255);
  set(8, 64, 64, 64);
  set(9, 192, 192, 192);
  int i = 10;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) set(i++, r * 51, g * 51, b * 51);
  for (int k = 1; i < 255; ++k) set(i++, k * 8, k * 8, k * 8);
  set(255, 255, 255, 255);
  return t;
}

DgnModel::DgnModel() {
  StandardUnit(UNIT_METRES, &masterUnit);
  StandardUnit(UNIT_MILLIMETRES, &subUnit);
  levels.push_back({LEVEL_DEFAULT_LEVEL_ID, u"Default"});
  colors = DefaultColorTable();
  cache.model = this;
  dgnFile.model = this;
  fonts.push_back({0, FONTTYPE_DGN, u"STANDARD"});
}

ElementRefRecord* DgnModel::Find(ULong filePos) {
  auto it = elements.find(filePos);
  return it == elements.end() || it->second->deleted ? nullptr : it->second.get();
}

ElementRefRecord* DgnModel::FindById(ElementID id) {
  if (id == INVALID_ELEMENTID) return nullptr;
  for (auto& [pos, rec] : elements)
    if (!rec->deleted && rec->node.el.id == id) return rec.get();
  return nullptr;
}

const LevelRecord* DgnModel::FindLevel(LevelID id) const {
  for (const auto& l : levels)
    if (l.id == id) return &l;
  return nullptr;
}

const LevelRecord* DgnModel::FindLevelByName(const std::u16string& name) const {
  for (const auto& l : levels)
    if (sim::EqualsIgnoringCase(l.name, name)) return &l;
  return nullptr;
}

ElementRefRecord* DgnModel::Add(ElementNode node) {
  AssignIds(node, *this);
  auto rec = std::make_unique<ElementRefRecord>();
  rec->model = this;
  rec->filePos = nextFilePos++;
  rec->node = std::move(node);
  undo.push_back({rec->filePos, std::nullopt});
  auto* raw = rec.get();
  elements[raw->filePos] = std::move(rec);
  return raw;
}

void DgnModel::Replace(ElementRefRecord& record, ElementNode node) {
  undo.push_back({record.filePos, record});
  record.node = std::move(node);
}

void DgnModel::Delete(ElementRefRecord& record) {
  undo.push_back({record.filePos, record});
  record.deleted = true;
}

bool DgnModel::UndoLast() {
  if (undo.empty()) return false;
  UndoStep step = std::move(undo.back());
  undo.pop_back();
  auto it = elements.find(step.filePos);
  if (it == elements.end()) return false;
  if (step.before)
    *it->second = std::move(*step.before);  // same address: element references stay valid
  else
    it->second->deleted = true;  // an added element: its identifier is not given again
  return true;
}
