// The stand-in design file: one model with its elements, levels, colour table,
// units and raster attachments, held in memory. Everything is in storage units.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/mselement.h"
#include "host/msfont.h"
#include "host/msmodel.h"
#include "host/msraster.h"

// One extended attribute of a top-level element.
struct XAttributeRecord {
  UInt16 major = 0;
  UInt16 minor = 0;
  UInt32 id = 0;
  std::vector<unsigned char> data;
};

// An element with its members (cell members, text node lines), by value.
struct ElementNode {
  MSElement el;
  std::vector<ElementNode> members;
};

struct DgnCache {
  DgnModel* model = nullptr;
};

struct MSDgnFile {
  DgnModel* model = nullptr;
};

// A font the design file has numbered.
struct FontNumberEntry {
  UInt32 number = 0;
  int type = FONTTYPE_DGN;
  std::u16string name;
};

// A top-level element of the model. Its address is its ElementRef and stays valid
// as long as the model exists; deleted elements are kept (marked) so that an undo can
// bring them back with the same identifier and file position.
struct ElementRefRecord {
  DgnModel* model = nullptr;
  ULong filePos = 0;
  bool deleted = false;
  ElementNode node;
  std::vector<XAttributeRecord> xattributes;
};

struct LevelRecord {
  LevelID id = 0;
  std::u16string name;
};

// A raster attachment; its address is the DgnRasterP handed to the module.
struct DgnRaster {
  DgnModel* model = nullptr;
  std::string fileName;  // as the module gave it
  RasterGeoReferenceInfo geo;
  RasterRenderingInfo rendering;
  UInt32 extendedMask = 0;
  std::u16string logicalName;
  bool attached = true;
};

struct DgnModel {
  DgnModel();

  double uorPerMaster = 10000;
  double subPerMaster = 1000;
  UnitDefinition masterUnit;
  UnitDefinition subUnit;

  std::vector<LevelRecord> levels;
  std::vector<std::u16string> levelLibrary;
  LevelID activeLevel = LEVEL_DEFAULT_LEVEL_ID;
  LevelID nextLevelId = LEVEL_DEFAULT_LEVEL_ID + 1;
  UInt32 activeFont = 0;
  double activeTextHeight = 10000;  // storage units
  double activeTextWidth = 10000;
  UInt32 activeColor = 0;
  UInt32 activeWeight = 0;
  Int32 activeStyle = 0;
  std::array<RGBColorDef, 256> colors;

  std::map<ULong, std::unique_ptr<ElementRefRecord>> elements;  // in file order
  ElementID nextElementId = 1000;
  ULong nextFilePos = 1;
  std::vector<std::unique_ptr<DgnRaster>> rasters;  // attached and detached
  DgnCache cache;
  MSDgnFile dgnFile;
  FontNumMap fontNumMap{&dgnFile};
  std::vector<FontNumberEntry> fonts;  // resource font 0 from the start

  // Undo: the state of a file position before each change (none: it did not exist).
  struct UndoStep {
    ULong filePos = 0;
    std::optional<ElementRefRecord> before;
  };
  std::vector<UndoStep> undo;

  // Lookups of live (not deleted) top-level elements.
  ElementRefRecord* Find(ULong filePos);
  ElementRefRecord* FindById(ElementID id);
  const LevelRecord* FindLevel(LevelID id) const;
  const LevelRecord* FindLevelByName(const std::u16string& name) const;

  // Changes that the undo can take back.
  ElementRefRecord* Add(ElementNode node);  // gives identifiers to every element
  void Replace(ElementRefRecord& record, ElementNode node);
  void Delete(ElementRefRecord& record);
  bool UndoLast();

  ElementID TakeElementId() { return nextElementId++; }
};

// The colour table every new design file starts with.
std::array<RGBColorDef, 256> DefaultColorTable();
// The standard units this host knows.
bool StandardUnit(int number, UnitDefinition* unit);
bool StandardUnitByLabel(const std::string& label, UnitDefinition* unit);
