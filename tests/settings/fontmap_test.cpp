// The font map: lookups, the MicroStation side of entries, merging, the registry form
// and font resolution against the design file's font numbers.
#include "settings/OperationMode.h"
#include "host/msfont.h"
#include "host/msmodel.h"
#include "settings/ExcelFontMap.h"
#include "settings/FontResolution.h"
#include "settings/PrepareFontMap.h"
#include "settings/FontMapDlg.h"
#include "sim/SimDialogs.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "tests/TestSupport.h"

#include <set>

namespace {

class FontMapTest : public HostTest {};

ExcelFontMap Entry(const std::string& face, const std::string& style, const std::string& msFont, int number,
                   int kind = kFontKindTrueType) {
  ExcelFontMap e;
  e.m_strExcelFont = face;
  e.m_strStyle = style;
  e.m_strMSFont = msFont;
  e.m_nFontNum = number;
  e.m_nFontType = kind;
  return e;
}

TEST_F(FontMapTest, FacesAndStylesMatchWithoutRegardToCase) {
  ExcelFontMapArray map;
  map.AddExcelFont("Arial", true, false);
  map.AddExcelFont("ARIAL", true, false);  // the same face and style: not added again
  map.AddExcelFont("Arial", true, true);
  ASSERT_EQ(2u, map.entries.size());
  EXPECT_EQ("Bold Italic", map.entries[1].m_strStyle);
  EXPECT_EQ(0, map.FindIndex("arial", "bold"));
  EXPECT_EQ(-1, map.FindIndex("arial", "italic"));
  map.entries[0].m_nFontNum = 7;
  EXPECT_EQ(7, map.GetFontNumber("arial", true, false));
  EXPECT_EQ(-1, map.GetFontNumber("Calibri", false, false));
  EXPECT_EQ("Regular", FontStyleText(false, false));
  EXPECT_EQ("Italic", FontStyleText(false, true));

  // Lookup: the last match wins; nothing matched leaves the outputs alone.
  map.entries.push_back(Entry("arial", "BOLD", "romans", 300, kFontKindShx));
  std::string name = "untouched";
  int number = -5, kind = -5;
  map.Lookup("Arial", "Bold", &name, &number, &kind);
  EXPECT_EQ("romans", name);
  EXPECT_EQ(300, number);
  EXPECT_EQ(kFontKindShx, kind);
  map.Lookup("Verdana", "Bold", &name, &number, &kind);
  EXPECT_EQ("romans", name);
}

TEST_F(FontMapTest, DisplayNamesCarryTheKindLabel) {
  struct Case {
    int kind;
    const char* expected;
  } cases[] = {{1, "(DGN) WORKING"}, {2, "(TrueType) WORKING"}, {3, "(SHX) WORKING"}, {5, "(TrueType) WORKING"}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, Entry("f", "Regular", "WORKING", 1, c.kind).GetDisplayName());
}

TEST_F(FontMapTest, SetMSFontReadsTheLabelAndResolvesTheFont) {
  UInt32 active = 1;
  mdlParams_setActive(&active, ACTIVEPARAM_FONT);
  struct Case {
    std::string text;
    std::string name;
    int kind;
    bool resolved;
  } cases[] = {
      {"(shx) romans", "romans", kFontKindShx, true},
      {"(DGN) ENGINEERING", "ENGINEERING", kFontKindDgn, true},
      {"(TrueType) Liberation Sans", "Liberation Sans", kFontKindTrueType, true},
      {"(TrueType) No Such Font", "No Such Font", kFontKindTrueType, false},
  };
  for (const auto& c : cases) {
    ExcelFontMap e;
    e.SetMSFont(c.text);
    EXPECT_EQ(c.name, e.m_strMSFont) << c.text;
    EXPECT_EQ(c.kind, e.m_nFontType) << c.text;
    EXPECT_EQ(c.resolved, e.m_nFontNum >= 0) << c.text;
    if (c.resolved) {
      std::string back;
      int kind = 0;
      ASSERT_TRUE(GetMSFontByNumber(e.m_nFontNum, &back, &kind)) << c.text;
      EXPECT_TRUE(back == c.name) << back;
      EXPECT_EQ(c.kind, kind);
    }
  }
  // No label: nothing changes. The active font: only the number.
  ExcelFontMap e = Entry("Arial", "Regular", "romans", 300, kFontKindShx);
  e.SetMSFont("Arial");
  EXPECT_EQ(300, e.m_nFontNum);
  e.SetMSFont("*active font*");
  EXPECT_EQ(1, e.m_nFontNum);
  EXPECT_EQ("romans", e.m_strMSFont);
  EXPECT_EQ(kFontKindShx, e.m_nFontType);
}

TEST_F(FontMapTest, ResolvingAFontNumbersItInTheDesignFileOnce) {
  int first = FindMSFontNumber("romans", kFontKindShx);
  ASSERT_GE(first, 256);
  EXPECT_EQ(first, FindMSFontNumber("ROMANS", kFontKindShx));
  EXPECT_EQ(first, FindMSFontNumber("romans", kFontKindTrueType));  // a name the file knows: the kind is not compared
  EXPECT_EQ(0, FindMSFontNumber("STANDARD", kFontKindDgn));
  EXPECT_EQ(-1, FindMSFontNumber("No Such Font", kFontKindTrueType));
  // The numbers survive a save and reopen of the design file.
  std::string path = dir.File("fonts.dgn");
  ASSERT_EQ("", sim::SaveDesignFile(path));
  sim::ResetHost();
  ASSERT_EQ("", sim::OpenDesignFile(path));
  EXPECT_EQ(first, FindMSFontNumber("romans", kFontKindShx));
  EXPECT_EQ(1, mdlFontMgr_isTrueTypeFont(static_cast<UInt32>(FindMSFontNumber("Arial", kFontKindTrueType))));
  EXPECT_EQ(0, mdlFontMgr_isTrueTypeFont(static_cast<UInt32>(first)));
}

TEST_F(FontMapTest, TheOfferedFontsFollowTheCapabilities) {
  auto kinds = [] {
    std::set<int> seen;
    for (const auto& e : CollectMSFonts().entries) seen.insert(e.m_nFontType);
    return seen;
  };
  EXPECT_EQ((std::set<int>{1, 2, 3}), kinds());
  sim::SetCapability(53, false);
  EXPECT_EQ((std::set<int>{1, 3}), kinds());
  sim::SetCapability(52, false);
  EXPECT_EQ((std::set<int>{1}), kinds());
  sim::SetCapability(52, true);
  sim::SetCapability(53, true);
  ExcelFontMap active = MakeActiveFontEntry();
  EXPECT_EQ(0, active.m_nFontNum);
  EXPECT_EQ("(DGN) STANDARD", active.GetDisplayName());
}

TEST_F(FontMapTest, MergingTakesResolvedMappingsAndFillsTheRestWithTheDefault) {
  UInt32 active = 3;
  mdlParams_setActive(&active, ACTIVEPARAM_FONT);
  ExcelFontMapArray map;
  map.entries = {Entry("Arial", "Regular", "", -1), Entry("Arial", "Bold", "romans", 300, kFontKindShx),
                 Entry("Calibri", "Regular", "", -1)};
  ExcelFontMapArray source;
  source.entries = {Entry("ARIAL", "regular", "WORKING", 1, kFontKindDgn), Entry("Calibri", "Regular", "x", -1),
                    Entry("Verdana", "Regular", "y", 9)};
  map.MergeFrom(source, "*Active Font*");
  EXPECT_EQ("WORKING", map.entries[0].m_strMSFont);  // taken whole from the source
  EXPECT_EQ("Arial", map.entries[0].m_strExcelFont);  // the entry keeps its own face
  EXPECT_EQ(300, map.entries[1].m_nFontNum);          // not in the source: kept
  EXPECT_EQ(3, map.entries[2].m_nFontNum);            // unresolved in the source: the default
  EXPECT_EQ(3u, map.entries.size());                  // the source's other faces are not added

  ExcelFontMapArray fresh;
  fresh.entries = {Entry("Arial", "Regular", "", -1), Entry("Arial", "Bold", "romans", 300, kFontKindShx)};
  fresh.MergeFrom(ExcelFontMapArray{}, "(SHX) simplex");
  EXPECT_EQ("simplex", fresh.entries[0].m_strMSFont);
  EXPECT_GE(fresh.entries[0].m_nFontNum, 0);
  EXPECT_EQ(300, fresh.entries[1].m_nFontNum);
}

TEST_F(FontMapTest, TheRegistryMapHoldsOnlyEntriesThatResolve) {
  const std::string section = "Quorvelle\\FontMap";
  WriteProfileString(section, "Arial*Regular", "(TrueType) Arial");
  WriteProfileString(section, "Arial*Bold", "*Active Font*");
  WriteProfileString(section, "Calibri*Regular", "(TrueType) No Such Font");
  WriteProfileString(section, "NoStar", "(SHX) romans");
  WriteProfileString(section, "Courier New*Italic", "(shx) romans");
  WriteProfileInt(section, "Verdana*Regular", 5);  // not a string: skipped
  ExcelFontMapArray map;
  map.entries = {Entry("Old", "Regular", "x", 1)};
  map.LoadFromRegistry();
  ASSERT_EQ(2u, map.entries.size());
  EXPECT_EQ("Arial", map.entries[0].m_strExcelFont);
  EXPECT_EQ("Regular", map.entries[0].m_strStyle);
  EXPECT_EQ("Courier New", map.entries[1].m_strExcelFont);
  EXPECT_EQ(kFontKindShx, map.entries[1].m_nFontType);

  ExcelFontMapArray saved;
  saved.entries = {Entry("Tahoma", "Bold", "romans", 300, kFontKindShx), Entry("", "Bold", "x", 1)};
  saved.SaveToRegistry();
  EXPECT_EQ("(SHX) romans", GetProfileString(section, "Tahoma*Bold"));
  EXPECT_EQ("(TrueType) Arial", GetProfileString(section, "Arial*Regular"));  // others stay
  EXPECT_EQ("", GetProfileString(section, "*Bold", ""));
}

TEST_F(FontMapTest, PreparingTheMapShowsTheDialogExceptInAnUpdate) {
  QuorvelleSetup setup;
  setup.UseFontOpt = 0;
  setup.fontMap.AddExcelFont("Arial", false, false);
  int shown = 0;
  sim::PushDialogScript([&](IDialogPresenter& d) {
    ++shown;
    sim::SelectRows(d, CFontMapDlg::IDC_FONTS, {0});
    sim::TypeInto(d, CFontMapDlg::IDC_MS_FONT, "(SHX) romans");
    sim::Press(d, CFontMapDlg::IDC_UPDATE);
    sim::Press(d, CFontMapDlg::IDC_OK);
  });
  PrepareFontMap(setup, kFuncCreate);
  EXPECT_EQ(1, shown);
  EXPECT_EQ("romans", setup.fontMap.entries[0].m_strMSFont);  // what the dialog left comes back

  // An update never shows it and goes on with the same-font setting.
  WriteProfileInt("Quorvelle", "UseSameTextStyle", 1);
  WriteProfileString("Quorvelle", "SameTextStyle", "(DGN) WORKING");
  PrepareFontMap(setup, kFuncUpdate);
  EXPECT_EQ(1, shown);
  EXPECT_EQ("WORKING", setup.fontMap.entries[0].m_strMSFont);
  EXPECT_EQ(1, setup.fontMap.entries[0].m_nFontNum);

  // With the font options on, the map is not touched at all.
  setup.UseFontOpt = 1;
  WriteProfileString("Quorvelle", "SameTextStyle", "(SHX) romans");
  PrepareFontMap(setup, kFuncCreate);
  EXPECT_EQ("WORKING", setup.fontMap.entries[0].m_strMSFont);
}

}  // namespace
