// The active model: units, the current transformation, levels, active parameters
// and the colour table.
#pragma once

#include "host/msgeom.h"
#include "host/mstypes.h"

DgnModelRefP mdlModelRef_getActive();

// Units. Storage units (units of resolution) per master unit, sub-units per master.
double mdlModelRef_getUorPerMaster(DgnModelRefP modelRef);
double mdlModelRef_getSubPerMaster(DgnModelRefP modelRef);

// A unit of length: how many metres one unit is, its label and, for the standard
// units, the host's number for it.
struct UnitDefinition {
  double metresPerUnit = 1;
  char label[32] = {};
  int standardNumber = 0;
};
constexpr int UNIT_METRES = 2000;
constexpr int UNIT_MILLIMETRES = 2002;
constexpr int UNIT_CENTIMETRES = 2001;
constexpr int UNIT_KILOMETRES = 2003;
constexpr int UNIT_INCHES = 1101;
constexpr int UNIT_FEET = 1100;
constexpr int UNIT_SURVEY_FEET = 1102;
constexpr int UNIT_YARDS = 1103;
constexpr int UNIT_MILES = 1104;
StatusInt mdlModelRef_getMasterUnit(DgnModelRefP modelRef, UnitDefinition* unit);
StatusInt mdlModelRef_getSubUnit(DgnModelRefP modelRef, UnitDefinition* unit);
StatusInt mdlUnits_getStandard(UnitDefinition* unit, int standardNumber);
StatusInt mdlUnits_convertDistance(double* out, double in, const UnitDefinition* from, const UnitDefinition* to);

StatusInt mdlCnv_masterUnitsToUors(double* uors, double masterUnits, DgnModelRefP modelRef);
StatusInt mdlCnv_uorsToMasterUnits(double* masterUnits, double uors, DgnModelRefP modelRef);

// The current transformation maps the coordinates the module passes to element
// creation and receives from extraction onto storage units. Begin saves it, end
// restores the saved one; the identity is storage units themselves.
void mdlCurrTrans_begin();
void mdlCurrTrans_end();
void mdlCurrTrans_identity();
// Coordinates in master units of the active model (no global origin is applied).
void mdlCurrTrans_masterUnitsIdentity(int useGlobalOrigin);

// Levels.
struct LevelIterator;
constexpr LevelID LEVEL_ITERATOR_END = static_cast<LevelID>(-1);
LevelIterator* mdlLevelIterator_create(DgnModelRefP modelRef);
// The next level in the model's order; LEVEL_ITERATOR_END when there is none.
LevelID mdlLevelIterator_getNext(LevelIterator* iterator);
void mdlLevelIterator_free(LevelIterator** iterator);
StatusInt mdlLevel_getName(MSWChar* name, int maxChars, DgnModelRefP modelRef, LevelID levelId);
// Level names are compared without regard to case. libLevelId is not used here.
StatusInt mdlLevel_getIdFromName(LevelID* levelId, DgnModelRefP modelRef, LevelID libLevelId, const MSWChar* name);
// Looks the name up in the level library attached to the model; a level found there
// is copied into the model and its identifier in the model returned.
StatusInt mdlLevelLibrary_getIdFromName(LevelID* levelId, DgnModelRefP modelRef, const MSWChar* name);
StatusInt mdlLevel_create(LevelID* levelId, DgnModelRefP modelRef, const MSWChar* name, UInt32 levelCode);
constexpr UInt32 LEVEL_NULL_CODE = 0;

// Active parameters.
constexpr int ACTIVEPARAM_COLOR = 1;
constexpr int ACTIVEPARAM_LINESTYLE = 2;
constexpr int ACTIVEPARAM_LINEWEIGHT = 3;
constexpr int ACTIVEPARAM_LEVEL = 5;   // LevelID
constexpr int ACTIVEPARAM_FONT = 7;    // UInt32
StatusInt mdlParams_getActive(void* value, int paramName);
StatusInt mdlParams_setActive(const void* value, int paramName);

// The colour table: 256 entries.
struct RGBColorDef {
  unsigned char red = 0, green = 0, blue = 0;
};
StatusInt mdlColor_elementColorToRGB(RGBColorDef* rgb, UInt32 colorIndex, DgnModelRefP modelRef);
