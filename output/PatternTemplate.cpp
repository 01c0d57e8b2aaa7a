#include "output/PatternTemplate.h"

#include "host/mselement.h"

MSElement patternTemplate;

void MakePatternTemplate() {
  DPoint3d points[2] = {{0, 0, 0}, {1, 0, 0}};
  mdlLine_create(&patternTemplate, nullptr, points);
}
