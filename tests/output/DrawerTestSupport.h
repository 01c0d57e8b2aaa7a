// The element drawers draw into a pending table cell in master units, as the output
// driver has them do; the members are read back in master units.
#pragma once

#include <string>
#include <vector>

#include "host/msmodel.h"
#include "output/PatternTemplate.h"
#include "sim/Strings.h"
#include "tests/output/OutputTestSupport.h"

class DrawerTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    mdlCurrTrans_begin();
    mdlCurrTrans_masterUnitsIdentity(0);
    MakePatternTemplate();  // as the module does when it loads
    NewTableCell();
  }
  void TearDown() override {
    mdlCurrTrans_end();
    OutputTest::TearDown();
  }

  // The members drawn so far, their points in master units.
  std::vector<MSElement> Members() const {
    const double uor = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
    std::vector<MSElement> members;
    for (const MSElementDescr* m = cell->h.firstElem; m; m = m->h.next) {
      MSElement el = m->el;
      for (DPoint3d& p : el.points) p = {p.x / uor, p.y / uor, p.z / uor};
      members.push_back(el);
    }
    return members;
  }

  // A level option naming a new level of the design file.
  static LevelOption NewLevel(const std::string& name) { return {name, sim::AddLevel(sim::Utf8ToUtf16(name))}; }
};

inline LevelID ActiveLevelNow() {
  LevelID level = 0;
  mdlParams_getActive(&level, ACTIVEPARAM_LEVEL);
  return level;
}
