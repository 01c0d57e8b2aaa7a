// The link manager's dialog beyond the list: the move of every link under a folder,
// opening the linked workbook in Excel, and choosing workbooks and folders.
#include <filesystem>
#include <fstream>

#include "settings/Profile.h"
#include "sim/SimFailures.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "tests/links/LinkManagerTestSupport.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class LinkManagerDialogTest : public LinkManagerTest {
 protected:
  void SetUp() override {
    LinkManagerTest::SetUp();
    std::filesystem::create_directories(dir.path() / "d" / "New");
    ASSERT_TRUE(sim::MapDrive('D', (dir.path() / "d").string()));
  }

  // Types the folders and presses Replace.
  static void Replace(IDialogPresenter& d, const std::string& oldFolder, const std::string& newFolder) {
    sim::TypeInto(d, Dlg::IDC_OLD_FOLDER, oldFolder);
    sim::TypeInto(d, Dlg::IDC_NEW_FOLDER, newFolder);
    sim::Press(d, Dlg::IDC_REPLACE);
  }
};

TEST_F(LinkManagerDialogTest, ReplaceMovesEveryTableUnderTheFolderAndNothingElse) {
  const MSElement moved = PlaceLink("C:\\Data\\Sub\\Book1.xls");
  const MSElement lookalike = PlaceLink("C:\\Database\\Book1.xls");
  const MSElement notListed = PlaceLink("c:\\data\\Other.xls");
  const MSElement legacy = PlaceLink("C:\\Data\\Old.xls");
  WriteAttribute(legacy, 0, LinkRecord(u"C:\\Data\\Old.xls", u"Doors", u"$A$1:$C$3", u"12/10/2026 14:03:27"));
  const Rows shown = RunManager({moved, lookalike, legacy}, [](IDialogPresenter& d) {
    sim::SelectRows(d, Dlg::IDC_LINKS, {0});
    Replace(d, "C:\\Data", "D:\\New\\");
    EXPECT_EQ("", d.ControlText(Dlg::IDC_WORKBOOK));
  });
  EXPECT_EQ(std::vector<std::string>{"Succeed to replace C:\\Data\\ with D:\\New\\."}, BoxTexts());
  EXPECT_EQ((Rows{{"Book1.xls", "Sheet1", "$A$1:$C$3", "D:\\New\\Sub\\"},
                  {"Book1.xls", "Sheet1", "$A$1:$C$3", "C:\\Database\\"},
                  {"Old.xls", "Doors", "$A$1:$C$3", "D:\\New\\"}}),
            shown);
  EXPECT_EQ("D:\\New\\Sub\\Book1.xls", TextOf(ReadBack(moved), 4));
  EXPECT_EQ("C:\\Database\\Book1.xls", TextOf(ReadBack(lookalike), 4));
  EXPECT_EQ("D:\\New\\Other.xls", TextOf(ReadBack(notListed), 4));  // every table of the model
  const xlslinkinfo link = LinkOf(legacy);
  EXPECT_EQ("D:\\New\\Old.xls|Doors|$A$1:$C$3", link.Path + "|" + link.Worksheet + "|" + link.Range);
  EXPECT_EQ("12/10/2026 14:03:27", link.LastSaveTime.Format());
}

TEST_F(LinkManagerDialogTest, FoldersThatAreNotOnADriveAreRefused) {
  const MSElement table = PlaceLink("C:\\Data\\Book1.xls");
  const std::pair<const char*, const char*> cases[] = {
      {"", "D:\\New"}, {"C:\\Data", ""}, {"\\\\server\\share", "D:\\New"}, {"Data", "D:\\New"}, {"C:\\Data", "New"}};
  for (const auto& [oldFolder, newFolder] : cases) {
    SCOPED_TRACE(std::string(oldFolder) + " -> " + newFolder);
    sim::ClearOutputLog();
    RunManager({table}, [&](IDialogPresenter& d) { Replace(d, oldFolder, newFolder); });
    ASSERT_FALSE(BoxTexts().empty());
    EXPECT_EQ("You must enter a valid folder.", BoxTexts().back());
    EXPECT_EQ("C:\\Data\\Book1.xls", TextOf(ReadBack(table), 4));
  }
}

TEST_F(LinkManagerDialogTest, TheSameFolderInOtherCaseOrAMissingOneDeclinedChangesNothing) {
  const MSElement table = PlaceLink("D:\\New\\Book1.xls");
  RunManager({table}, [](IDialogPresenter& d) { Replace(d, "D:\\New", "d:\\NEW"); });
  EXPECT_EQ(std::vector<std::string>{"Succeed to replace D:\\New\\ with d:\\NEW\\."}, BoxTexts());
  EXPECT_EQ("D:\\New\\Book1.xls", TextOf(ReadBack(table), 4));

  sim::ClearOutputLog();
  sim::PushBoxAnswer(IDNO);
  RunManager({table}, [](IDialogPresenter& d) { Replace(d, "D:\\New", "D:\\Missing"); });
  EXPECT_EQ(std::vector<std::string>{"The new folder does not exist. Are you sure you want to replace the old folder "
                                     "with this new folder?"},
            BoxTexts());
  EXPECT_EQ("D:\\New\\Book1.xls", TextOf(ReadBack(table), 4));

  sim::ClearOutputLog();
  RunManager({table}, [](IDialogPresenter& d) { Replace(d, "D:\\New", "D:\\Missing"); });  // answered Yes
  EXPECT_EQ("D:\\Missing\\Book1.xls", TextOf(ReadBack(table), 4));
}

TEST_F(LinkManagerDialogTest, ADamagedLegacyRecordStopsTheReplacement) {
  const MSElement damaged = PlaceLink("C:\\Data\\A.xls");
  const MSElement later = PlaceLink("C:\\Data\\B.xls");
  RunManager({later}, [&](IDialogPresenter& d) {
    WriteAttribute(damaged, 0, std::vector<std::uint8_t>(10, 0));
    Replace(d, "C:\\Data", "D:\\New");
  });
  EXPECT_EQ(std::vector<std::string>{CellMessage("The link information corrupted. Element Id: %ld.", damaged)},
            Boxes());
  EXPECT_TRUE(BoxTexts().empty());  // no success
  EXPECT_EQ("C:\\Data\\B.xls", TextOf(ReadBack(later), 4));
}

TEST_F(LinkManagerDialogTest, ARefusedRewriteIsSaidAndTheMoveNotReportedAsDone) {
  const MSElement refused = PlaceLink("C:\\Data\\A.xls");
  const MSElement moved = PlaceLink("C:\\Data\\B.xls");
  RunManager({refused, moved}, [&](IDialogPresenter& d) {
    sim::FailOperation("mdlElement_rewrite");
    Replace(d, "C:\\Data", "D:\\New");
  });
  EXPECT_EQ(std::vector<std::string>{"Failed to change C:\\Data\\A.xls to D:\\New\\A.xls."},
            sim::OutputTexts(sim::OutputKind::Printf));
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ("C:\\Data\\A.xls", TextOf(ReadBack(refused), 4));
  EXPECT_EQ("D:\\New\\B.xls", TextOf(ReadBack(moved), 4));
}

TEST_F(LinkManagerDialogTest, OpenWorkbookOpensTheResolvedWorkbookAtItsRange) {
  sim::NewDesignFile(dir.File("Drawings/plan.dgn"));
  std::filesystem::create_directories(dir.path() / "Data");
  std::filesystem::copy_file(std::string(QV_SOURCE_DIR) + "/tools/samples/WithDrawing.xlsx", dir.path() / "Data" / "Book.xlsx");
  const MSElement table = PlaceLink("..\\Data\\Book.xlsx", "Sheet2", "$B$2:$C$3");
  const MSElement missing = PlaceLink("..\\Data\\Gone.xlsx");
  RunManager({table, missing}, [](IDialogPresenter& d) {
    sim::SelectRows(d, Dlg::IDC_LINKS, {1});
    sim::Press(d, Dlg::IDC_OPEN_WORKBOOK);
    EXPECT_EQ(0, sim::StartedExcelCount());  // nothing to open
    sim::SelectRows(d, Dlg::IDC_LINKS, {0});
    sim::Press(d, Dlg::IDC_OPEN_WORKBOOK);
  });
  ASSERT_EQ(1, sim::StartedExcelCount());
  ExcelApplication& excel = *sim::LastStartedExcel();
  EXPECT_TRUE(sim::ExcelFlagsOf(excel).visible);
  const sim::ExcelSelection selection = sim::SelectionOf(excel);
  EXPECT_EQ(WindowsPath("Data/Book.xlsx"), selection.workbook);
  EXPECT_EQ("Sheet2", selection.sheet);
  EXPECT_EQ("$B$2:$C$3", selection.address);
}

TEST_F(LinkManagerDialogTest, BrowseTriesTheProjectWiseLibraryThenTheFileDialog) {
  const MSElement table = PlaceLink("C:\\Data\\Book1.xls");
  sim::PushFileChoice("C:\\Chosen\\Book.xlsx");
  sim::PushFolderChoice("C:\\Old Place\\");
  sim::PushFolderChoice("");  // cancelled: the text stays
  RunManager({table}, [](IDialogPresenter& d) {
    sim::Press(d, Dlg::IDC_BROWSE_WORKBOOK);
    EXPECT_EQ("C:\\Chosen\\Book.xlsx", d.ControlText(Dlg::IDC_WORKBOOK));
    sim::Press(d, Dlg::IDC_PICK_OLD_FOLDER);
    EXPECT_EQ("C:\\Old Place\\", d.ControlText(Dlg::IDC_OLD_FOLDER));
    sim::TypeInto(d, Dlg::IDC_NEW_FOLDER, "D:\\New");
    sim::Press(d, Dlg::IDC_PICK_NEW_FOLDER);
    EXPECT_EQ("D:\\New", d.ControlText(Dlg::IDC_NEW_FOLDER));
  });
  EXPECT_TRUE(BoxTexts().empty());

  // A registered library that is not there is said so, and the file dialog follows.
  ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvu\\KorvuMSV8i\\Quorvelle", "QuorvellePWPath",
                                  "C:\\PW\\QuorvellePW.dll"));
  sim::PushFileChoice("");  // and is cancelled
  RunManager({table}, [](IDialogPresenter& d) {
    sim::TypeInto(d, Dlg::IDC_WORKBOOK, "kept");
    sim::Press(d, Dlg::IDC_BROWSE_WORKBOOK);
    EXPECT_EQ("kept", d.ControlText(Dlg::IDC_WORKBOOK));
  });
  EXPECT_EQ(std::vector<std::string>{"Cannot find C:\\PW\\QuorvellePW.dll."}, BoxTexts());
}

}  // namespace
