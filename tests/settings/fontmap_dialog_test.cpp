// The font map dialogs: what they show of a table's map and of the stored one, their
// enabling rules, their checks, and the settings and entries they write.
#include <filesystem>

#include "platform/msgbox.h"
#include "settings/FontListRows.h"
#include "settings/FontMapDlg.h"
#include "settings/FontMapOptionDlg.h"
#include "settings/FontResolution.h"
#include "settings/Profile.h"
#include "sim/SimDialogs.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"
#include "tests/TestSupport.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;
constexpr char kSection[] = "Quorvelle";
constexpr char kMapSection[] = "Quorvelle\\FontMap";

class FontMapDialogTest : public HostTest {
 protected:
  // Shows the dialog with the script; what its list showed when the script ended.
  template <typename Dialog>
  static Rows Run(Dialog& dialog, const std::function<void(IDialogPresenter&)>& script) {
    Rows rows;
    sim::PushDialogScript([&](IDialogPresenter& d) {
      script(d);
      rows = d.ListRows(244);
    });
    dialog.DoModal();
    return rows;
  }
  static std::vector<std::string> Boxes() { return sim::OutputTexts(sim::OutputKind::WindowsMessageBox); }
  std::string Win(const std::string& name) const { return sim::ToWindowsPath(dir.File(name)); }
};

TEST_F(FontMapDialogTest, AMappingToAMissingFontIsMarkedAndKeptByOk) {
  CFontMapDlg dialog(0);
  dialog.m_tableMap.AddExcelFont("Arial", false, false);
  dialog.m_tableMap.entries[0].m_strMSFont = "Gone Font";
  dialog.m_tableMap.entries[0].m_nFontNum = 7;
  dialog.m_tableMap.AddExcelFont("Tahoma", true, false);
  dialog.m_tableMap.entries[1].SetMSFont("(TrueType) Arial");
  const Rows rows = Run(dialog, [](IDialogPresenter& d) { sim::Press(d, CFontMapDlg::IDC_OK); });
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ("*Not Found*(TrueType) Gone Font", rows[0][2]);
  EXPECT_EQ("(TrueType) Arial", rows[1][2]);
  ASSERT_EQ(2u, dialog.m_tableMap.entries.size());
  EXPECT_EQ("Gone Font", dialog.m_tableMap.entries[0].m_strMSFont);
  EXPECT_EQ(-1, dialog.m_tableMap.entries[0].m_nFontNum);
  EXPECT_EQ(FindMSFontNumber("Arial", kFontKindTrueType), dialog.m_tableMap.entries[1].m_nFontNum);
  EXPECT_EQ("0.9", GetProfileString(kSection, "TextWFactor"));
}

TEST_F(FontMapDialogTest, UpdateMapsTheSelectedRowsAndRemembersThem) {
  CFontMapDlg dialog(0);
  dialog.m_tableMap.AddExcelFont("Arial", true, false);
  dialog.m_tableMap.AddExcelFont("Verdana", false, false);
  Run(dialog, [](IDialogPresenter& d) {
    EXPECT_EQ("*Active Font*", d.ControlItems(CFontMapDlg::IDC_MS_FONT).back());
    sim::SelectRows(d, CFontMapDlg::IDC_FONTS, {1});
    sim::TypeInto(d, CFontMapDlg::IDC_MS_FONT, "(SHX) romans");
    sim::Press(d, CFontMapDlg::IDC_UPDATE);
    sim::Press(d, CFontMapDlg::IDC_OK);
  });
  EXPECT_EQ("romans", dialog.m_tableMap.entries[1].m_strMSFont);
  EXPECT_EQ("(SHX) romans", GetProfileString(kMapSection, "Verdana*Regular"));
  EXPECT_EQ("", GetProfileString(kMapSection, "Arial*Bold"));
}

TEST_F(FontMapDialogTest, TheSameFontForAllTurnsAutomaticLoadingOffAndGreysTheList) {
  ASSERT_TRUE(WriteProfileInt(kSection, "AutoLoadFontMap", 1));
  CFontMapDlg placing(0);
  placing.m_tableMap.AddExcelFont("Arial", false, false);
  Run(placing, [](IDialogPresenter& d) {
    EXPECT_TRUE(d.ControlEnabled(CFontMapDlg::IDC_FONTS));
    EXPECT_FALSE(d.ControlEnabled(CFontMapDlg::IDC_LOAD));  // automatic loading is on
    sim::SetChecked(d, CFontMapDlg::IDC_USE_SAME_FONT, true);
    EXPECT_EQ(0, d.ControlCheck(CFontMapDlg::IDC_AUTO_LOAD));
    for (int id : {CFontMapDlg::IDC_FONTS, CFontMapDlg::IDC_LOAD, CFontMapDlg::IDC_SAVE, CFontMapDlg::IDC_AUTO_LOAD})
      EXPECT_FALSE(d.ControlEnabled(id)) << id;
    sim::TypeInto(d, CFontMapDlg::IDC_MS_FONT, "(SHX) romans");
    sim::Press(d, CFontMapDlg::IDC_UPDATE);
    EXPECT_EQ("(SHX) romans", d.ControlText(CFontMapDlg::IDC_SAME_FONT));
    sim::Press(d, CFontMapDlg::IDC_OK);
  });
  EXPECT_EQ("romans", placing.m_tableMap.entries[0].m_strMSFont);
  EXPECT_EQ(1, GetProfileInt(kSection, "UseSameTextStyle", 0));
  EXPECT_EQ(0, GetProfileInt(kSection, "AutoLoadFontMap", 1));

  CFontMapOptionDlg options(0);
  Run(options, [](IDialogPresenter& d) {
    for (int id : {CFontMapOptionDlg::IDC_EXCEL_FONT, CFontMapOptionDlg::IDC_ADD, CFontMapOptionDlg::IDC_REMOVE,
                   CFontMapOptionDlg::IDC_LOAD, CFontMapOptionDlg::IDC_SAVE, CFontMapOptionDlg::IDC_FONTS})
      EXPECT_FALSE(d.ControlEnabled(id)) << id;
    EXPECT_TRUE(d.ControlEnabled(CFontMapOptionDlg::IDC_SAME_FONT));
    sim::SetChecked(d, CFontMapOptionDlg::IDC_USE_SAME_FONT, false);
    EXPECT_TRUE(d.ControlEnabled(CFontMapOptionDlg::IDC_ADD));
    EXPECT_FALSE(d.ControlEnabled(CFontMapOptionDlg::IDC_SAME_FONT));
  });
}

TEST_F(FontMapDialogTest, AWidthFactorThatIsNoPositiveNumberIsStoredAsTheDefault) {
  const std::pair<const char*, const char*> cases[] = {{"0", "0.9"}, {"-1", "0.9"}, {"wide", "0.9"}, {"1.25", "1.25"}};
  for (const auto& [typed, stored] : cases) {
    SCOPED_TRACE(typed);
    CFontMapOptionDlg dialog(0);
    Run(dialog, [&](IDialogPresenter& d) {
      sim::TypeInto(d, CFontMapOptionDlg::IDC_WIDTH_FACTOR, typed);
      sim::Press(d, CFontMapOptionDlg::IDC_OK);
    });
    EXPECT_EQ(stored, GetProfileString(kSection, "TextWFactor"));
  }
}

TEST_F(FontMapDialogTest, AddAsksBeforeReplacingAndWhatIsAddedStaysWhenCancelled) {
  CFontMapOptionDlg dialog(0);
  sim::PushBoxAnswer(IDNO);
  const Rows rows = Run(dialog, [](IDialogPresenter& d) {
    EXPECT_EQ("Arial", d.ControlText(CFontMapOptionDlg::IDC_EXCEL_FONT));  // a family of the machine
    sim::TypeInto(d, CFontMapOptionDlg::IDC_STYLE, "Bold");
    sim::TypeInto(d, CFontMapOptionDlg::IDC_MS_FONT, "(SHX) romans");
    sim::Press(d, CFontMapOptionDlg::IDC_ADD);
    sim::TypeInto(d, CFontMapOptionDlg::IDC_MS_FONT, "(TrueType) Arial");
    sim::Press(d, CFontMapOptionDlg::IDC_ADD);  // answered No
    sim::TypeInto(d, CFontMapOptionDlg::IDC_MS_FONT, "");
    sim::TypeInto(d, CFontMapOptionDlg::IDC_STYLE, "Italic");
    sim::Press(d, CFontMapOptionDlg::IDC_ADD);
    sim::Press(d, CFontMapOptionDlg::IDC_CANCEL);
  });
  EXPECT_EQ((Rows{{"Arial", "Bold", "(SHX) romans"}}), rows);
  EXPECT_EQ((std::vector<std::string>{"The font map already contains a same font. Would you like to replace it?",
                                      "Invalid text style."}),
            Boxes());
  EXPECT_EQ("(SHX) romans", GetProfileString(kMapSection, "Arial*Bold"));
}

TEST_F(FontMapDialogTest, LoadingAFileAddsItsEntriesToTheStoredOnes) {
  ASSERT_TRUE(WriteProfileString(kMapSection, "Verdana*Regular", "(SHX) romans"));
  ExcelFontMapArray file;
  file.AddExcelFont("Tahoma", false, false);
  file.entries[0].SetMSFont("(TrueType) Arial");
  file.m_strTextWFactor = "1.1";
  ASSERT_TRUE(file.SaveToFile(Win("map.afm")));
  // The ProjectWise library is tried first; a registered one that is missing is said so.
  ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvu\\KorvuMSV8i\\Quorvelle", "QuorvellePWPath",
                                  "C:\\PW\\Missing.dll"));
  sim::PushFileChoice(Win("map.afm"));
  CFontMapOptionDlg dialog(0);
  const Rows rows = Run(dialog, [](IDialogPresenter& d) { sim::Press(d, CFontMapOptionDlg::IDC_LOAD); });
  EXPECT_EQ((Rows{{"Tahoma", "Regular", "(TrueType) Arial"}}), rows);
  EXPECT_EQ(std::vector<std::string>{"Cannot find C:\\PW\\Missing.dll."}, Boxes());
  EXPECT_EQ("(SHX) romans", GetProfileString(kMapSection, "Verdana*Regular"));
  EXPECT_EQ("(TrueType) Arial", GetProfileString(kMapSection, "Tahoma*Regular"));
  EXPECT_EQ(Win("") + "\\", GetProfileString(kSection, "FontMapDlgInitFolder"));  // the folder, remembered
}

TEST_F(FontMapDialogTest, AConfiguredFontMapFileThatIsMissingIsSaidAndTheStoredMapShown) {
  sim::DefineCfgVar("KORVU_QV_AFM", Win("gone.afm"));
  ASSERT_TRUE(WriteProfileString(kMapSection, "Verdana*Regular", "(SHX) romans"));
  CFontMapOptionDlg dialog(0);
  const Rows rows = Run(dialog, [](IDialogPresenter&) {});
  EXPECT_EQ((Rows{{"Verdana", "Regular", "(SHX) romans"}}), rows);
  EXPECT_EQ(std::vector<std::string>{"Cannot find " + Win("gone.afm") + "."}, Boxes());
}

}  // namespace
