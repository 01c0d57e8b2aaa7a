// Transformations: matrices, the current transformation, and every kind of element
// moved, rotated and scaled.
#include <cmath>

#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mstext.h"
#include "sim/dgn/ElementGeometry.h"
#include "tests/TestSupport.h"

namespace {

constexpr double kTol = 1e-9;

using TransformTest = MasterUnitsTest;

#define EXPECT_POINT_NEAR(expected, actual, tol)     \
  do {                                              \
    DPoint3d e_ = (expected), a_ = (actual);        \
    EXPECT_NEAR(e_.x, a_.x, tol);                   \
    EXPECT_NEAR(e_.y, a_.y, tol);                   \
    EXPECT_NEAR(e_.z, a_.z, tol);                   \
  } while (0)

// Rotation by 30 degrees, scale (2, 3, 1) applied first, then moved to (100, 50).
Transform Placement() {
  RotMatrix r;
  mdlRMatrix_fromAngle(&r, fc_pi / 6);
  Transform t;
  mdlTMatrix_fromRMatrix(&t, &r);
  mdlTMatrix_scale(&t, &t, 2, 3, 1);
  DPoint3d o{100, 50, 0};
  mdlTMatrix_setTranslation(&t, &o);
  return t;
}

DPoint3d Apply(const Transform& t, DPoint3d p) {
  mdlTMatrix_transformPoint(&p, &t);
  return p;
}

TEST(MatrixTest, ScaleSetOriginMultiplyAndInvert) {
  Transform t = Placement();
  // Scale first: a unit step along x becomes 2 long, turned by 30 degrees.
  DPoint3d p = Apply(t, {1, 0, 0});
  EXPECT_NEAR(100 + 2 * std::cos(fc_pi / 6), p.x, kTol);
  EXPECT_NEAR(50 + 2 * std::sin(fc_pi / 6), p.y, kTol);
  Transform inv, both;
  ASSERT_TRUE(mdlTMatrix_invert(&inv, &t));
  mdlTMatrix_multiply(&both, &t, &inv);
  EXPECT_POINT_NEAR((DPoint3d{3, -4, 5}), Apply(both, {3, -4, 5}), kTol);
  // setOrigin makes the point fixed: a rotation about (10, 10).
  RotMatrix r;
  mdlRMatrix_fromAngle(&r, fc_pi / 2);
  Transform about;
  mdlTMatrix_fromRMatrix(&about, &r);
  DPoint3d centre{10, 10, 0};
  mdlTMatrix_setOrigin(&about, &centre);
  EXPECT_POINT_NEAR(centre, Apply(about, centre), kTol);
  EXPECT_POINT_NEAR((DPoint3d{10, 11, 0}), Apply(about, {11, 10, 0}), kTol);
  EXPECT_NEAR(fc_pi / 2, mdlRMatrix_toAngle(&r), kTol);
}

TEST_F(TransformTest, ARotatedAndScaledCellLandsWhereTheMatrixSays) {
  MSElement header, el;
  ASSERT_EQ(SUCCESS, mdlCell_create(&header, u"T", nullptr, 0));
  MSElementDescr* cell = nullptr;
  mdlElmdscr_new(&cell, nullptr, &header);
  DPoint3d line[2] = {{0, 0, 0}, {10, -5, 0}};
  mdlLine_create(&el, nullptr, line);
  mdlElmdscr_appendElement(cell, &el);
  DPoint3d poly[4] = {{1, -1, 0}, {4, -1, 0}, {4, -3, 0}, {1, -1, 0}};
  mdlShape_create(&el, nullptr, poly, 4, 1);
  mdlElmdscr_appendElement(cell, &el);
  DPoint3d centre{5, -2, 0};
  mdlEllipse_create(&el, nullptr, &centre, 3, 1, nullptr, 1);
  mdlElmdscr_appendElement(cell, &el);
  mdlArc_create(&el, nullptr, &centre, 2, 1, nullptr, 0.25, 1.5);
  mdlElmdscr_appendElement(cell, &el);
  TextSizeParam size;
  size.height = 2;
  size.width = 1.5;
  TextParamWide params;
  DPoint3d textOrigin{2, -1, 0};
  mdlText_createWide(&el, nullptr, u"AB", &textOrigin, nullptr, &size, &params, nullptr, nullptr);
  mdlElmdscr_appendElement(cell, &el);
  const MSWChar* lines[] = {u"one", u"two"};
  MSElementDescr* node = nullptr;
  ASSERT_EQ(SUCCESS, mdlTextNode_createWithStringsWide(&node, lines, 2, nullptr, &textOrigin, nullptr, &size, &params,
                                                       nullptr));
  mdlElmdscr_appendDscr(cell, node);

  MSElementDescr* before = nullptr;
  mdlElmdscr_duplicate(&before, cell);
  Transform t = Placement();
  ASSERT_EQ(SUCCESS, mdlElmdscr_transform(cell, &t));

  DPoint3d origin, scale;
  RotMatrix rot;
  ASSERT_EQ(SUCCESS, mdlCell_extract(&origin, nullptr, &rot, &scale, nullptr, 0, &cell->el));
  EXPECT_POINT_NEAR((DPoint3d{100, 50, 0}), origin, kTol);
  EXPECT_POINT_NEAR((DPoint3d{2, 3, 1}), scale, kTol);
  EXPECT_NEAR(fc_pi / 6, mdlRMatrix_toAngle(&rot), kTol);

  // Members, in storage units, are the transformed originals (uor = master * u).
  double u = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
  Transform storage = Placement();
  for (int i = 0; i < 3; ++i) storage.form3d[i][3] *= u;
  MSElementDescr* a = before->h.firstElem;
  MSElementDescr* b = cell->h.firstElem;
  for (; a && b; a = a->h.next, b = b->h.next) {
    const MSElement &oa = a->el, &ob = b->el;
    switch (oa.type) {
      case LINE_ELM:
      case SHAPE_ELM:
        for (size_t k = 0; k < oa.points.size(); ++k) EXPECT_POINT_NEAR(Apply(storage, oa.points[k]), ob.points[k], 1e-6);
        EXPECT_EQ(oa.fillMode, ob.fillMode);
        break;
      case ELLIPSE_ELM:
      case ARC_ELM: {
        // Every point of the old curve lies on the new one, and an arc keeps its ends.
        for (const auto& p : sim::CurvePoints(oa, 16)) {
          DPoint3d d = sim::Sub(Apply(storage, p), ob.origin);
          double x = sim::Dot(d, sim::Column(ob.matrix, 0)) / ob.primary;
          double y = sim::Dot(d, sim::Column(ob.matrix, 1)) / ob.secondary;
          EXPECT_NEAR(1.0, x * x + y * y, 1e-9) << "type " << oa.type;
        }
        if (oa.type == ARC_ELM) {
          auto ends = sim::CurvePoints(oa, 4), movedEnds = sim::CurvePoints(ob, 4);
          EXPECT_POINT_NEAR(Apply(storage, ends.front()), movedEnds.front(), 1e-6);
          EXPECT_POINT_NEAR(Apply(storage, ends.back()), movedEnds.back(), 1e-6);
        }
        break;
      }
      case TEXT_ELM: {
        EXPECT_POINT_NEAR(Apply(storage, oa.origin), ob.origin, 1e-6);
        EXPECT_NEAR(oa.width * 2, ob.width, 1e-6);
        EXPECT_NEAR(oa.height * 3, ob.height, 1e-6);
        EXPECT_NEAR(fc_pi / 6, std::atan2(ob.matrix.form3d[1][0], ob.matrix.form3d[0][0]), kTol);
        break;
      }
      case TEXT_NODE_ELM: {
        EXPECT_POINT_NEAR(Apply(storage, oa.origin), ob.origin, 1e-6);
        for (MSElementDescr *la = a->h.firstElem, *lb = b->h.firstElem; la && lb; la = la->h.next, lb = lb->h.next)
          EXPECT_POINT_NEAR(Apply(storage, la->el.origin), lb->el.origin, 1e-6);
        break;
      }
    }
  }
  EXPECT_EQ(nullptr, a);
  EXPECT_EQ(nullptr, b);
  mdlElmdscr_freeAll(&before);
  mdlElmdscr_freeAll(&cell);
}

TEST_F(TransformTest, AMirrorKeepsArcsOnTheirPath) {
  MSElement arc, out;
  DPoint3d centre{1, 1, 0};
  ASSERT_EQ(SUCCESS, mdlArc_create(&arc, nullptr, &centre, 4, 2, nullptr, 0.2, 2.0));
  Transform mirror;
  mirror.form3d[0][0] = -1;
  ASSERT_EQ(SUCCESS, mdlElement_transform(&out, &arc, &mirror));
  auto a = sim::CurvePoints(arc, 8), b = sim::CurvePoints(out, 8);
  for (size_t i = 0; i < a.size(); ++i) EXPECT_POINT_NEAR((DPoint3d{-a[i].x, a[i].y, a[i].z}), b[i], 1e-6);
}

TEST_F(TransformTest, TheCurrentTransformationConvertsBothWays) {
  double u = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
  MSElement el;
  DPoint3d pts[2] = {{1, 2, 0}, {3, 4, 0}};
  ASSERT_EQ(SUCCESS, mdlLine_create(&el, nullptr, pts));
  EXPECT_POINT_NEAR((DPoint3d{u, 2 * u, 0}), el.points[0], kTol);
  // A move of 10 master units, given in master units, moves 10 * u storage units.
  Transform move;
  DPoint3d d{10, 0, 0};
  mdlTMatrix_setTranslation(&move, &d);
  ASSERT_EQ(SUCCESS, mdlElement_transform(&el, &el, &move));
  EXPECT_POINT_NEAR((DPoint3d{11 * u, 2 * u, 0}), el.points[0], 1e-6);
  // Outside the bracket, coordinates are storage units.
  mdlCurrTrans_begin();
  mdlCurrTrans_identity();
  MSElement cell;
  DPoint3d origin{5, 5, 0};
  ASSERT_EQ(SUCCESS, mdlCell_create(&cell, u"S", &origin, 0));
  EXPECT_POINT_NEAR(origin, cell.origin, kTol);
  mdlCurrTrans_end();
  DPoint3d back;
  ASSERT_EQ(SUCCESS, mdlCell_extract(&back, nullptr, nullptr, nullptr, nullptr, 0, &cell));
  EXPECT_POINT_NEAR((DPoint3d{5 / u, 5 / u, 0}), back, kTol);
  double uors = 0;
  ASSERT_EQ(SUCCESS, mdlCnv_masterUnitsToUors(&uors, 2.5, mdlModelRef_getActive()));
  EXPECT_DOUBLE_EQ(2.5 * u, uors);
}

}  // namespace
