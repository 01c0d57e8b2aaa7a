#include "host/mspattern.h"
#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/PatternTemplate.h"
#include "output/Symbology.h"
#include "output/WorkingView.h"
#include "settings/QuorvelleSetup.h"
#include "support/TextCompare.h"

namespace {

// How each kind of pattern is hatched.
struct CPatternKind {
  const char* name;
  int directions;  // 2: a second hatch a right angle to the first
  UInt32 weight;
  Int32 style;
};

const CPatternKind kPatternKinds[] = {
    {"LINE", 1, 0, 0},
    {"PLAST", 1, 2, 0},
    {"DOTS", 2, 0, 1},
    {"NET", 2, 0, 0},
};

const CPatternKind* FindPatternKind(const std::string& name) {
  for (const CPatternKind& kind : kPatternKinds)
    if (EqualsNoCase(name, kind.name)) return &kind;
  return nullptr;
}

}  // namespace

int CQVUtiMStation::DrawCellPattern(const CAutoCell& cell, MSElementDescr* cellDscr) {
  const CAutoInterior& interior = cell.Interior;
  if (!currentOptionSet || interior.PatternName.empty()) return 0;
  const CPatternKind* kind = FindPatternKind(interior.PatternName);
  if (!kind) return 0;  // a pattern this module does not hatch: nothing to draw
  const auto area = CellArea(cell);
  if (!area) return 0;

  MSElement shape;
  MSElementDescr* boundary = nullptr;
  if (mdlShape_create(&shape, nullptr, area->data(), static_cast<int>(area->size()), FILL_NONE) != SUCCESS ||
      mdlElmdscr_new(&boundary, nullptr, &shape) != SUCCESS)
    return 0;

  // Hatch lines take their symbology from the template line.
  const UInt32 colour = interior.PatternColor != 0 ? static_cast<UInt32>(NearestColorIndex(interior.PatternColor)) : 0;
  mdlElement_setSymbology(&patternTemplate, &colour, &kind->style, &kind->weight);

  const LevelID level = LevelFromOption(currentOptionSet->PatternLevel);
  int appended = 0;
  for (int i = 0; i < kind->directions; ++i) {
    MSElementDescr* lines = nullptr;
    mdlPattern_hatch(&lines, boundary, nullptr, &patternTemplate, interior.PatternAngle + i * fc_pi / 2,
                     interior.PatternSpacing, CommandView(), 0, &area->front());
    int count = 0;
    for (MSElementDescr* line = lines; line; line = line->h.next, ++count)
      mdlElmdscr_setProperties(line, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (lines && mdlElmdscr_appendDscr(cellDscr, lines) != SUCCESS) {
      mdlElmdscr_freeAll(&lines);
      count = 0;
    }
    appended += count;
  }
  mdlElmdscr_freeAll(&boundary);
  return appended > 0 ? 1 : 0;
}
