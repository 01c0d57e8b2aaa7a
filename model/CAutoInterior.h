// A cell's fill and its hatch pattern.
#pragma once

#include <string>

#include "support/Serialisable.h"

class CAutoInterior : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CAutoInterior"; }

  // The hatch for Excel's fill pattern: name, angle and spacing, with the pattern
  // colour. With patternUnitFlag 1 the spacings are divided by 25.4 (millimetres to
  // inches). A pattern without a hatch (solid, none, automatic, unknown) empties the
  // name and keeps the rest.
  void SetPattern(int excelPattern, int patternColor, int patternUnitFlag);

  int Color = 0;  // kept only when ColorIndex is neither xlNone nor xlAutomatic
  int PatternColor = 0;
  std::string PatternName;  // empty: no hatch
  double PatternSpacing = 1.0;
  double PatternAngle = 10.0;  // radians
  int ColorIndex = -4142;      // xlNone: no fill
};
