// Hatching in the stand-in host: parallel lines through the origin, clipped to the
// boundary and its holes, carrying the template's symbology.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mspattern.h"
#include "tests/TestSupport.h"

namespace {

class HatchTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    mdlCurrTrans_begin();
    mdlCurrTrans_masterUnitsIdentity(0);
    DPoint3d ends[2] = {{0, 0, 0}, {1, 0, 0}};
    mdlLine_create(&templateLine, nullptr, ends);
    const UInt32 colour = 5, weight = 2;
    const Int32 style = 1;
    mdlElement_setSymbology(&templateLine, &colour, &style, &weight);
  }
  void TearDown() override {
    mdlElmdscr_freeAll(&boundary);
    mdlElmdscr_freeAll(&holes);
    mdlCurrTrans_end();
    HostTest::TearDown();
  }

  static MSElementDescr* Shape(std::vector<DPoint3d> points) {
    points.push_back(points.front());
    MSElement shape;
    EXPECT_EQ(mdlShape_create(&shape, nullptr, points.data(), static_cast<int>(points.size()), FILL_NONE), SUCCESS);
    MSElementDescr* d = nullptr;
    mdlElmdscr_new(&d, nullptr, &shape);
    return d;
  }

  // The hatch lines as "(x0,y0)-(x1,y1)" in master units, sorted; "error" on failure.
  std::vector<std::string> Hatch(double angle, double spacing, DPoint3d origin) {
    MSElementDescr* lines = nullptr;
    if (mdlPattern_hatch(&lines, boundary, holes, &templateLine, angle, spacing, 0, 0, &origin) != SUCCESS) {
      EXPECT_EQ(lines, nullptr);
      return {"error"};
    }
    const double uor = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
    std::vector<std::string> out;
    for (const MSElementDescr* d = lines; d; d = d->h.next) {
      EXPECT_EQ(d->el.type, LINE_ELM);
      EXPECT_EQ(d->el.color, 5u);
      EXPECT_EQ(d->el.weight, 2u);
      EXPECT_EQ(d->el.style, 1);
      DPoint3d a = d->el.points[0], b = d->el.points[1];
      if (b.x < a.x || (b.x == a.x && b.y < a.y)) std::swap(a, b);
      char text[96];
      std::snprintf(text, sizeof text, "(%g,%g)-(%g,%g)", a.x / uor + 0.0, a.y / uor + 0.0, b.x / uor + 0.0,
                    b.y / uor + 0.0);
      out.push_back(text);
    }
    mdlElmdscr_freeAll(&lines);
    std::sort(out.begin(), out.end());
    return out;
  }

  MSElement templateLine;
  MSElementDescr* boundary = nullptr;
  MSElementDescr* holes = nullptr;
};

TEST_F(HatchTest, LinesAreClippedToTheBoundaryAndItsHoles) {
  // A triangle: horizontal lines 2 apart run from its left side to its slanted one.
  boundary = Shape({{0, 0, 0}, {10, 0, 0}, {0, 10, 0}});
  EXPECT_EQ(Hatch(0, 2, {0, 0, 0}),
            (std::vector<std::string>{"(0,2)-(8,2)", "(0,4)-(6,4)", "(0,6)-(4,6)", "(0,8)-(2,8)"}));
  // The origin fixes where the lines fall, not where they start.
  EXPECT_EQ(Hatch(0, 2, {100, 1, 0}),
            (std::vector<std::string>{"(0,1)-(9,1)", "(0,3)-(7,3)", "(0,5)-(5,5)", "(0,7)-(3,7)", "(0,9)-(1,9)"}));
  // Vertical lines, a right angle on.
  EXPECT_EQ(Hatch(std::acos(-1.0) / 2, 4, {0, 0, 0}), (std::vector<std::string>{"(4,0)-(4,6)", "(8,0)-(8,2)"}));

  // A square with a square hole: lines through the hole break in two.
  mdlElmdscr_freeAll(&boundary);
  boundary = Shape({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
  holes = Shape({{4, 4, 0}, {6, 4, 0}, {6, 6, 0}, {4, 6, 0}});
  EXPECT_EQ(Hatch(0, 5, {0, 0, 0}), (std::vector<std::string>{"(0,5)-(4,5)", "(6,5)-(10,5)"}));
}

TEST_F(HatchTest, ArgumentsThatCannotHatchAreRefusedWithoutLines) {
  boundary = Shape({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
  struct Case {
    const char* name;
    double angle, spacing;
  } cases[] = {
      {"no spacing", 0, 0},
      {"negative spacing", 0, -1},
      {"spacing not a number", 0, std::nan("")},
      {"angle not finite", INFINITY, 1},
      {"more lines than a hatch may make", 0, 1e-5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hatch(c.angle, c.spacing, {0, 0, 0}), std::vector<std::string>{"error"});
  }
}

}  // namespace
