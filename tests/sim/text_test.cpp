// Texts and text nodes: shapes by justification, node lines, parameters kept.
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mstext.h"
#include "tests/TestSupport.h"

namespace {

class TextTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    mdlCurrTrans_begin();
    mdlCurrTrans_masterUnitsIdentity(0);
    size.height = 2;
    size.width = 1.5;
  }
  void TearDown() override {
    mdlCurrTrans_end();
    HostTest::TearDown();
  }
  TextSizeParam size;
};

TEST_F(TextTest, TheShapeFollowsTheJustificationAndTheCharacterWidths) {
  struct Case {
    int just;
    double left, bottom;
  } cases[] = {
      {TXTJUST_LT, 10, 18}, {TXTJUST_LC, 10, 19}, {TXTJUST_LB, 10, 20}, {TXTJUST_CT, 7, 18}, {TXTJUST_CC, 7, 19},
      {TXTJUST_CB, 7, 20},  {TXTJUST_RT, 4, 18},  {TXTJUST_RC, 4, 19},  {TXTJUST_RB, 4, 20},
  };
  DPoint3d origin{10, 20, 0};
  for (const auto& c : cases) {
    TextParamWide params;
    params.just = c.just;
    MSElement text;
    // Four characters of 1.5: 6 wide; the byte-order mark takes no room.
    ASSERT_EQ(SUCCESS, mdlText_createWide(&text, nullptr, u"\uFEFFABCD", &origin, nullptr, &size, &params, nullptr, nullptr));
    DPoint3d box[5];
    ASSERT_EQ(SUCCESS, mdlText_extractShape(box, nullptr, &text, 0, 0));
    EXPECT_NEAR(c.left, box[0].x, 1e-9) << c.just;
    EXPECT_NEAR(c.bottom, box[0].y, 1e-9) << c.just;
    EXPECT_NEAR(6, box[1].x - box[0].x, 1e-9) << c.just;
    EXPECT_NEAR(2, box[2].y - box[1].y, 1e-9) << c.just;
    EXPECT_NEAR(box[0].x, box[4].x, 1e-12);
  }
}

TEST_F(TextTest, ARotatedTextKeepsItsParametersAndTurnsItsShape) {
  TextParamWide params;
  params.font = 3;
  params.just = TXTJUST_LB;
  params.flags = TXTFLAG_ITALICS | TXTFLAG_UNDERLINE;
  params.exFlags = TXTEXFLAG_BOLD | (1u << TXTEXFLAG_STACKEDFRACTION_SECTION_SHIFT);
  params.underlineSpacing = 0.4;
  RotMatrix up;
  mdlRMatrix_fromAngle(&up, fc_pi / 2);
  DPoint3d origin{0, 0, 0};
  MSElement text;
  ASSERT_EQ(SUCCESS, mdlText_createWide(&text, nullptr, u"AB", &origin, &up, &size, &params, nullptr, nullptr));
  EXPECT_EQ(params.flags, text.textParams.flags);
  EXPECT_EQ(params.exFlags, text.textParams.exFlags);
  EXPECT_EQ(3u, text.textParams.font);
  DPoint3d box[5];
  mdlText_extractShape(box, nullptr, &text, 0, 0);
  EXPECT_NEAR(0, box[1].x, 1e-9);  // the baseline runs upwards
  EXPECT_NEAR(3, box[1].y, 1e-9);
  MSWChar back[8];
  ASSERT_EQ(SUCCESS, mdlText_extractStringW(back, 8, &text));
  EXPECT_EQ(u"AB", std::u16string(back));
}

TEST_F(TextTest, ANodeStacksItsLinesAndItsShapeGrowsWithAppendedTexts) {
  TextParamWide params;
  params.just = TXTJUST_LT;
  params.lineSpacing = 1;
  const MSWChar* lines[] = {u"abc", u"", u"abcdef"};
  DPoint3d origin{0, 0, 0};
  MSElementDescr* node = nullptr;
  ASSERT_EQ(SUCCESS, mdlTextNode_createWithStringsWide(&node, lines, 3, nullptr, &origin, nullptr, &size, &params, nullptr));
  // Lines 2 high, 1 apart: the third line's baseline is 2 + 3 + 3 below the top.
  std::vector<double> bottoms;
  for (MSElementDescr* m = node->h.firstElem; m; m = m->h.next) {
    DPoint3d box[5];
    mdlText_extractShape(box, nullptr, &m->el, 0, 0);
    bottoms.push_back(box[0].y);
  }
  EXPECT_EQ((std::vector<double>{-2, -8}), bottoms);
  DPoint3d shape[5];
  ASSERT_EQ(SUCCESS, mdlTextNode_extractShape(shape, nullptr, node, 0, 0));
  EXPECT_NEAR(9, shape[1].x - shape[0].x, 1e-9);
  EXPECT_NEAR(-8, shape[0].y, 1e-9);

  MSElement more;
  DPoint3d at{shape[1].x, 0, 0};
  params.just = TXTJUST_LB;
  ASSERT_EQ(SUCCESS, mdlText_createWide(&more, nullptr, u"xy", &at, nullptr, &size, &params, nullptr, nullptr));
  ASSERT_EQ(SUCCESS, mdlElmdscr_appendElement(node, &more));
  ASSERT_EQ(SUCCESS, mdlTextNode_extractShape(shape, nullptr, node, 0, 0));
  EXPECT_NEAR(12, shape[1].x - shape[0].x, 1e-9);
  EXPECT_NEAR(2, shape[2].y, 1e-9);
  mdlElmdscr_freeAll(&node);
}

TEST_F(TextTest, RefusedTextsAndTheActiveSizeForANodeWithoutOne) {
  TextParamWide params;
  DPoint3d origin{0, 0, 0};
  MSElement text;
  TextSizeParam zero;
  EXPECT_NE(SUCCESS, mdlText_createWide(&text, nullptr, u"", &origin, nullptr, &size, &params, nullptr, nullptr));
  EXPECT_NE(SUCCESS, mdlText_createWide(&text, nullptr, u"A", &origin, nullptr, &zero, &params, nullptr, nullptr));
  const char* lines[] = {"YD"};
  MSElementDescr* node = nullptr;
  ASSERT_EQ(SUCCESS, mdlTextNode_createWithStrings(&node, lines, 1, nullptr, &origin, nullptr, nullptr, nullptr, nullptr));
  ASSERT_NE(nullptr, node->h.firstElem);
  EXPECT_GT(node->h.firstElem->el.height, 0);
  mdlElmdscr_freeAll(&node);
}

}  // namespace
