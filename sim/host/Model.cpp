// The active model: units, the current transformation, levels, active parameters
// and colours.
#include <cmath>
#include <cstring>

#include "host/msmodel.h"
#include "sim/SimFailures.h"
#include "sim/Strings.h"
#include "sim/host/HostState.h"

using sim::Host;
using sim::ModelOf;

DgnModelRefP mdlModelRef_getActive() { return sim::ActiveModelRef(); }

double mdlModelRef_getUorPerMaster(DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  return m ? m->uorPerMaster : 0;
}

double mdlModelRef_getSubPerMaster(DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  return m ? m->subPerMaster : 0;
}

StatusInt mdlModelRef_getMasterUnit(DgnModelRefP modelRef, UnitDefinition* unit) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !unit) return ERROR;
  *unit = m->masterUnit;
  return SUCCESS;
}

StatusInt mdlModelRef_getSubUnit(DgnModelRefP modelRef, UnitDefinition* unit) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !unit) return ERROR;
  *unit = m->subUnit;
  return SUCCESS;
}

StatusInt mdlUnits_getStandard(UnitDefinition* unit, int standardNumber) {
  return unit && StandardUnit(standardNumber, unit) ? SUCCESS : ERROR;
}

StatusInt mdlUnits_convertDistance(double* out, double in, const UnitDefinition* from, const UnitDefinition* to) {
  if (!out || !from || !to || !(to->metresPerUnit > 0)) return ERROR;
  *out = in * from->metresPerUnit / to->metresPerUnit;
  return SUCCESS;
}

StatusInt mdlCnv_masterUnitsToUors(double* uors, double masterUnits, DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !uors) return ERROR;
  *uors = masterUnits * m->uorPerMaster;
  return SUCCESS;
}

StatusInt mdlCnv_uorsToMasterUnits(double* masterUnits, double uors, DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !masterUnits || !(m->uorPerMaster > 0)) return ERROR;
  *masterUnits = uors / m->uorPerMaster;
  return SUCCESS;
}

void mdlCurrTrans_begin() { Host().savedTransforms.push_back(Host().currentTransform); }

void mdlCurrTrans_end() {
  auto& saved = Host().savedTransforms;
  if (saved.empty()) return;  // an unbalanced end keeps the transformation as it is
  Host().currentTransform = saved.back();
  saved.pop_back();
}

void mdlCurrTrans_identity() { Host().currentTransform = Transform{}; }

void mdlCurrTrans_masterUnitsIdentity(int /*useGlobalOrigin*/) {
  Transform t;
  double s = sim::Model().uorPerMaster;
  for (int i = 0; i < 3; ++i) t.form3d[i][i] = s;
  Host().currentTransform = t;
}

struct LevelIterator {
  DgnModel* model = nullptr;
  size_t next = 0;
};

LevelIterator* mdlLevelIterator_create(DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  if (!m) return nullptr;
  return new LevelIterator{m, 0};
}

LevelID mdlLevelIterator_getNext(LevelIterator* it) {
  if (!it || it->model != ModelOf(sim::ActiveModelRef()) || it->next >= it->model->levels.size())
    return LEVEL_ITERATOR_END;
  return it->model->levels[it->next++].id;
}

void mdlLevelIterator_free(LevelIterator** it) {
  if (!it) return;
  delete *it;
  *it = nullptr;
}

StatusInt mdlLevel_getName(MSWChar* name, int maxChars, DgnModelRefP modelRef, LevelID levelId) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !name || maxChars <= 0) return ERROR;
  const LevelRecord* l = m->FindLevel(levelId);
  if (!l) return ERROR;
  sim::CopyWide(name, maxChars, l->name);
  return SUCCESS;
}

StatusInt mdlLevel_getIdFromName(LevelID* levelId, DgnModelRefP modelRef, LevelID, const MSWChar* name) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !levelId || !name) return ERROR;
  const LevelRecord* l = m->FindLevelByName(std::u16string(name));
  if (!l) return ERROR;
  *levelId = l->id;
  return SUCCESS;
}

namespace {
// Level names the host refuses: empty, too long, or with characters it reserves.
bool ValidLevelName(const std::u16string& name) {
  if (name.empty() || name.size() > 511) return false;
  for (char16_t c : name)
    if (c < 0x20 || c == u'*' || c == u'?' || c == u'"' || c == u'|' || c == u'<' || c == u'>' || c == u'\\')
      return false;
  return true;
}

LevelID CreateLevel(DgnModel& m, const std::u16string& name) {
  LevelID id = m.nextLevelId++;
  m.levels.push_back({id, name});
  return id;
}
}  // namespace

StatusInt mdlLevelLibrary_getIdFromName(LevelID* levelId, DgnModelRefP modelRef, const MSWChar* name) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !levelId || !name) return ERROR;
  std::u16string wanted(name);
  for (const auto& libName : m->levelLibrary)
    if (sim::EqualsIgnoringCase(libName, wanted)) {
      const LevelRecord* existing = m->FindLevelByName(libName);
      *levelId = existing ? existing->id : CreateLevel(*m, libName);
      return SUCCESS;
    }
  return ERROR;
}

StatusInt mdlLevel_create(LevelID* levelId, DgnModelRefP modelRef, const MSWChar* name, UInt32) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !levelId || !name || sim::ShouldFail("mdlLevel_create")) return ERROR;
  std::u16string n(name);
  if (!ValidLevelName(n) || m->FindLevelByName(n)) return ERROR;
  *levelId = CreateLevel(*m, n);
  return SUCCESS;
}

StatusInt mdlParams_getActive(void* value, int paramName) {
  if (!value) return ERROR;
  DgnModel& m = sim::Model();
  switch (paramName) {
    case ACTIVEPARAM_LEVEL: *static_cast<LevelID*>(value) = m.activeLevel; return SUCCESS;
    case ACTIVEPARAM_FONT: *static_cast<UInt32*>(value) = m.activeFont; return SUCCESS;
    case ACTIVEPARAM_COLOR: *static_cast<UInt32*>(value) = m.activeColor; return SUCCESS;
    case ACTIVEPARAM_LINEWEIGHT: *static_cast<UInt32*>(value) = m.activeWeight; return SUCCESS;
    case ACTIVEPARAM_LINESTYLE: *static_cast<Int32*>(value) = m.activeStyle; return SUCCESS;
    default: return ERROR;
  }
}

StatusInt mdlParams_setActive(const void* value, int paramName) {
  if (!value) return ERROR;
  DgnModel& m = sim::Model();
  switch (paramName) {
    case ACTIVEPARAM_LEVEL: {
      LevelID id = *static_cast<const LevelID*>(value);
      if (!m.FindLevel(id)) return ERROR;
      m.activeLevel = id;
      return SUCCESS;
    }
    case ACTIVEPARAM_FONT: m.activeFont = *static_cast<const UInt32*>(value); return SUCCESS;
    case ACTIVEPARAM_COLOR: m.activeColor = *static_cast<const UInt32*>(value); return SUCCESS;
    case ACTIVEPARAM_LINEWEIGHT: m.activeWeight = *static_cast<const UInt32*>(value); return SUCCESS;
    case ACTIVEPARAM_LINESTYLE: m.activeStyle = *static_cast<const Int32*>(value); return SUCCESS;
    default: return ERROR;
  }
}

StatusInt mdlColor_elementColorToRGB(RGBColorDef* rgb, UInt32 colorIndex, DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  if (!m || !rgb || colorIndex > 255) return ERROR;
  *rgb = m->colors[colorIndex];
  return SUCCESS;
}
