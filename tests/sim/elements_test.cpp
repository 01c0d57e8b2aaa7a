// Elements: string linkages, extended attributes, rewriting and descriptors.
#include <cmath>
#include <vector>

#include "host/mselmdscr.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msxattr.h"
#include "sim/SimFailures.h"
#include "tests/TestSupport.h"
#include "tests/sim/SimTestHelpers.h"

namespace {

class ElementsTest : public HostTest {
 protected:
  MSElement Read(ULong pos) {
    MSElement el;
    EXPECT_EQ(SUCCESS, mdlElement_read(&el, mdlModelRef_getActive(), pos));
    return el;
  }
  ElementRef Ref(ULong pos) { return dgnCache_findElemByFilePos(mdlModelRef_getCache(mdlModelRef_getActive()), pos); }
};

std::vector<std::pair<UShort, std::u16string>> Linkages(const MSElement& el) {
  std::vector<std::pair<UShort, std::u16string>> out;
  MSWChar text[512];
  UShort key = 0;
  for (int i = 0; mdlLinkage_extractStringLinkageByIndex(&key, text, 512, i, &el) == SUCCESS; ++i)
    out.push_back({key, text});
  return out;
}

TEST_F(ElementsTest, LinkagesKeepAppendOrderThroughSetDeleteAndRewrite) {
  ULong pos = AddCell(u"Cell_Quorvelle", 1);
  MSElement el = Read(pos);
  for (auto [key, text] : {std::pair<UShort, const char16_t*>{2, u"$A$1:$C$4"}, {5, u"Sheet1"}, {3, u"2026-12-10"},
                           {4, u"C:\\a.xlsx"}, {5, u"Second"}})
    ASSERT_EQ(SUCCESS, mdlLinkage_appendStringLinkage(&el, key, text));
  ASSERT_EQ(SUCCESS, mdlLinkage_setStringLinkage(&el, 4, u"D:\\b.xlsx"));   // replaces in place
  ASSERT_EQ(SUCCESS, mdlLinkage_setStringLinkage(&el, 10, u"TAG"));         // no such key: appended
  ASSERT_EQ(SUCCESS, mdlLinkage_deleteStringLinkage(&el, 5, 1));            // the second key-5 linkage
  EXPECT_NE(SUCCESS, mdlLinkage_deleteStringLinkage(&el, 5, 1));
  ASSERT_EQ(pos, mdlElement_rewrite(&el, nullptr, pos));

  MSElement back = Read(pos);
  using L = std::vector<std::pair<UShort, std::u16string>>;
  EXPECT_EQ((L{{2, u"$A$1:$C$4"}, {5, u"Sheet1"}, {3, u"2026-12-10"}, {4, u"D:\\b.xlsx"}, {10, u"TAG"}}), Linkages(back));
  EXPECT_EQ(el.id, back.id);
  MSWChar text[8];
  ASSERT_EQ(SUCCESS, mdlLinkage_extractNamedStringLinkageByIndex(text, 8, 2, 0, &back));
  EXPECT_EQ(u"$A$1:$C", std::u16string(text));  // cut to the buffer, terminated
  EXPECT_NE(SUCCESS, mdlLinkage_extractNamedStringLinkageByIndex(text, 8, 2, 1, &back));

  // The rewrite keeps the cell's members.
  MSElementDescr* dscr = nullptr;
  ASSERT_GT(mdlElmdscr_read(&dscr, pos, mdlModelRef_getActive(), 0, nullptr), 0);
  EXPECT_NE(nullptr, dscr->h.firstElem);
  mdlElmdscr_freeAll(&dscr);
  EXPECT_EQ(nullptr, dscr);
}

TEST_F(ElementsTest, AnElementCannotOutgrowTheHostsElementSize) {
  MSElement el = Read(AddCell(u"Big", 1));
  std::u16string chunk(8000, u'x');
  int appended = 0;
  while (mdlLinkage_appendStringLinkage(&el, 86, chunk.c_str()) == SUCCESS) ++appended;
  EXPECT_GT(appended, 5);
  EXPECT_LE(mdlElement_size(&el), MAX_ELEMENT_SIZE);
  EXPECT_EQ(static_cast<size_t>(appended), el.linkages.size());
}

TEST_F(ElementsTest, ExtendedAttributesKeepTheirExactSizeAndAreWrittenOnReplace) {
  ULong pos = AddCell(u"Cell_Quorvelle", 1);
  ElementRef ref = Ref(pos);
  std::vector<unsigned char> link(2088, 0xAB), props(24752, 0x01);
  {
    EditElemHandle edit(ref, mdlModelRef_getActive());
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, 2088, link.data()));
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 1, 24752, props.data()));
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 2, 0, nullptr));
    // Scheduled writes are not visible before the replace.
    EXPECT_FALSE(XAttributeHandle(ref, XAttributeHandlerId(3900, 0), 0).IsValid());
    ASSERT_EQ(SUCCESS, edit.ReplaceInModel(ref));
  }
  struct {
    UInt32 id;
    UInt32 size;
  } expected[] = {{0, 2088}, {1, 24752}, {2, 0}};
  for (auto e : expected) {
    XAttributeHandle x(ref, XAttributeHandlerId(3900, 0), e.id);
    ASSERT_TRUE(x.IsValid()) << e.id;
    EXPECT_EQ(e.size, x.GetSize()) << e.id;
  }
  EXPECT_EQ(0xAB, static_cast<const unsigned char*>(XAttributeHandle(ref, XAttributeHandlerId(3900, 0), 0).PeekData())[2087]);
  EXPECT_FALSE(XAttributeHandle(ref, XAttributeHandlerId(3900, 1), 0).IsValid());
  EXPECT_FALSE(XAttributeHandle(ref, XAttributeHandlerId(3901, 0), 0).IsValid());

  // A rewrite of the same attribute replaces it; the size follows the new data.
  {
    EditElemHandle edit(ref, mdlModelRef_getActive());
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, 2086, link.data()));
    ASSERT_EQ(SUCCESS, edit.ReplaceInModel(ref));
  }
  EXPECT_EQ(2086u, XAttributeHandle(ref, XAttributeHandlerId(3900, 0), 0).GetSize());

  // Refused writes and replaces leave the attributes as they were.
  {
    EditElemHandle edit(ref, mdlModelRef_getActive());
    sim::FailOperation("ScheduleWriteXAttribute");
    EXPECT_NE(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, 4, link.data()));
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, 4, link.data()));
    sim::FailOperation("ReplaceInModel");
    EXPECT_NE(SUCCESS, edit.ReplaceInModel(ref));
  }
  EXPECT_EQ(2086u, XAttributeHandle(ref, XAttributeHandlerId(3900, 0), 0).GetSize());
}

TEST_F(ElementsTest, DescriptorsHoldMembersInOrderAndCopyDeeply) {
  mdlCurrTrans_begin();
  mdlCurrTrans_masterUnitsIdentity(0);
  MSElement header, line;
  ASSERT_EQ(SUCCESS, mdlCell_create(&header, u"Outer", nullptr, 0));
  MSElementDescr* outer = nullptr;
  ASSERT_EQ(SUCCESS, mdlElmdscr_new(&outer, nullptr, &header));
  for (int i = 0; i < 3; ++i) {
    DPoint3d pts[2] = {{double(i), 0, 0}, {double(i), 1, 0}};
    mdlLine_create(&line, nullptr, pts);
    ASSERT_EQ(SUCCESS, mdlElmdscr_appendElement(outer, &line));
  }
  MSElementDescr* inner = nullptr;
  ASSERT_EQ(SUCCESS, mdlCell_create(&header, u"Inner", nullptr, 0));
  ASSERT_EQ(SUCCESS, mdlElmdscr_new(&inner, outer, &header));  // appended to outer as its last member
  ASSERT_EQ(SUCCESS, mdlElmdscr_appendElement(inner, &line));

  MSElementDescr* copy = nullptr;
  ASSERT_EQ(SUCCESS, mdlElmdscr_duplicate(&copy, outer));
  UInt32 red = 3;
  LevelID level = sim::AddLevel(u"Copy");
  ASSERT_EQ(SUCCESS, mdlElmdscr_setSymbology(copy, &red, nullptr, nullptr, nullptr));
  ASSERT_EQ(SUCCESS, mdlElmdscr_setProperties(copy, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  ULong pos = mdlElmdscr_add(outer);
  ASSERT_NE(0u, pos);
  mdlCurrTrans_end();

  MSElementDescr* read = nullptr;
  ASSERT_GT(mdlElmdscr_read(&read, pos, mdlModelRef_getActive(), 0, nullptr), 0);
  std::vector<int> types;
  std::vector<double> xs;
  for (MSElementDescr* m = read->h.firstElem; m; m = m->h.next) {
    types.push_back(m->el.type);
    EXPECT_EQ(read, m->h.myHeader);
    if (m->el.type == LINE_ELM) xs.push_back(m->el.points[0].x / mdlModelRef_getUorPerMaster(mdlModelRef_getActive()));
  }
  EXPECT_EQ((std::vector<int>{LINE_ELM, LINE_ELM, LINE_ELM, CELL_HEADER_ELM}), types);
  EXPECT_EQ((std::vector<double>{0, 1, 2}), xs);
  // The copy changed alone, every element of it.
  EXPECT_EQ(0u, read->h.firstElem->el.color);
  EXPECT_EQ(3u, copy->h.firstElem->el.color);
  EXPECT_EQ(level, copy->h.firstElem->h.next->h.next->h.next->h.firstElem->el.level);
  // A member appended to the copy comes last, and the chain reads the same backwards.
  ASSERT_EQ(SUCCESS, mdlElmdscr_appendElement(copy, &header));
  std::vector<int> forwards, backwards;
  MSElementDescr* last = nullptr;
  for (MSElementDescr* m = copy->h.firstElem; m; m = m->h.next) {
    forwards.push_back(m->el.type);
    last = m;
  }
  for (MSElementDescr* m = last; m; m = m->h.previous) backwards.insert(backwards.begin(), m->el.type);
  EXPECT_EQ((std::vector<int>{LINE_ELM, LINE_ELM, LINE_ELM, CELL_HEADER_ELM, CELL_HEADER_ELM}), forwards);
  EXPECT_EQ(forwards, backwards);
  mdlElmdscr_freeAll(&read);
  mdlElmdscr_freeAll(&copy);
  mdlElmdscr_freeAll(&outer);
}

TEST_F(ElementsTest, UnsoundGeometryIsRefusedAtCreation) {
  MSElement el;
  DPoint3d nan[2] = {{0, 0, 0}, {std::nan(""), 0, 0}};
  EXPECT_NE(SUCCESS, mdlLine_create(&el, nullptr, nan));
  DPoint3d two[2] = {{0, 0, 0}, {1, 1, 0}};
  EXPECT_NE(SUCCESS, mdlShape_create(&el, nullptr, two, 2, 0));
  DPoint3d centre{0, 0, 0};
  EXPECT_NE(SUCCESS, mdlEllipse_create(&el, nullptr, &centre, -1, 1, nullptr, 0));
  sim::FailOperation("mdlLine_create");
  EXPECT_NE(SUCCESS, mdlLine_create(&el, nullptr, two));
  EXPECT_EQ(SUCCESS, mdlLine_create(&el, nullptr, two));
}

}  // namespace
