// The link manager's list and its re-pointing and breaking of links: which tables
// each row stands for, and what each action writes into them.
#include "sim/SimFailures.h"
#include "support/OleDateTime.h"
#include "tests/links/LinkManagerTestSupport.h"

namespace {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

TEST_F(LinkManagerTest, TablesOfOneLinkShowAsOneRowAndAnUpdateRewritesThemAll) {
  const MSElement first = PlaceLink("C:\\Data\\Book1.xlsx");
  const MSElement second = PlaceLink("c:\\data\\BOOK1.xlsx", "SHEET1", "$a$1:$c$3");
  const MSElement other = PlaceLink("C:\\Data\\Book2.xlsx");
  MSElement plain;
  mdlCell_create(&plain, u"Cell_Other", nullptr, 0);
  const MSElement notATable = Place(plain);

  const Rows shown = RunManager({first, notATable, second, other}, [](IDialogPresenter& d) {
    EXPECT_EQ((Rows{{"Book1.xlsx", "Sheet1", "$A$1:$C$3", "C:\\Data\\"}, {"Book2.xlsx", "Sheet1", "$A$1:$C$3", "C:\\Data\\"}}),
              d.ListRows(Dlg::IDC_LINKS));
    EXPECT_EQ((std::vector<std::string>{"Workbook", "Worksheet", "Selection", "Folder"}), d.ListColumns(Dlg::IDC_LINKS));
    sim::SelectRows(d, Dlg::IDC_LINKS, {0});
    EXPECT_EQ("C:\\Data\\Book1.xlsx", d.ControlText(Dlg::IDC_WORKBOOK));
    EXPECT_EQ("Sheet1", d.ControlText(Dlg::IDC_WORKSHEET));
    EXPECT_EQ("$A$1:$C$3", d.ControlText(Dlg::IDC_SELECTION));
    SelectAndType(d, 0, "D:\\New\\Book9.xlsx", "Doors", "$B$2:$D$4");
    sim::Press(d, Dlg::IDC_UPDATE);
    EXPECT_EQ("", d.ControlText(Dlg::IDC_WORKBOOK));
  });

  EXPECT_EQ((Rows{{"Book9.xlsx", "Doors", "$B$2:$D$4", "D:\\New\\"}, {"Book2.xlsx", "Sheet1", "$A$1:$C$3", "C:\\Data\\"}}),
            shown);
  EXPECT_EQ(std::vector<std::string>{"Unable to update. You did not save the Excel file originally.\n"},
            sim::OutputTexts(sim::OutputKind::Printf));
  const COleDateTime now = COleDateTime::GetCurrentTime();
  for (const MSElement* table : {&first, &second}) {
    EXPECT_EQ("D:\\New\\Book9.xlsx|Doors|$B$2:$D$4", KeyOf(*table));
    // The save time is the moment of the relinking: the update compares it with the
    // workbook's.
    COleDateTime stored;
    ASSERT_TRUE(stored.ParseDateTime(TextOf(ReadBack(*table), 3)));
    EXPECT_NEAR(now.m_dt, stored.m_dt, 120.0 / 86400);
  }
  EXPECT_EQ("C:\\Data\\Book2.xlsx|Sheet1|$A$1:$C$3", KeyOf(other));
  EXPECT_EQ("01/02/2020 03:04:05", TextOf(ReadBack(other), 3));
  EXPECT_EQ(0, mdlSelect_numSelected());
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(LinkManagerTest, AnUpdateThatCannotBeDoneSaysWhyAndChangesNothing) {
  const MSElement table = PlaceLink("C:\\Data\\Book1.xlsx");
  struct Case {
    const char* name;
    bool select;
    const char* path;
    const char* sheet;
    const char* message;  // nullptr: nothing said
  } cases[] = {
      {"no row selected", false, "D:\\x.xlsx", "S", "You must select a link first."},
      {"no workbook", true, "", "S", "You must enter a valid workbook path."},
      {"no worksheet", true, "D:\\x.xlsx", "", "You must enter a valid worksheet name."},
      {"the same key but for letter case", true, "c:\\DATA\\book1.XLSX", "SHEET1", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::ClearOutputLog();
    const Rows shown = RunManager({table}, [&](IDialogPresenter& d) {
      sim::SelectRows(d, Dlg::IDC_LINKS, c.select ? std::vector<int>{0} : std::vector<int>{});
      sim::TypeInto(d, Dlg::IDC_WORKBOOK, c.path);
      sim::TypeInto(d, Dlg::IDC_WORKSHEET, c.sheet);
      sim::TypeInto(d, Dlg::IDC_SELECTION, "$a$1:$c$3");
      sim::Press(d, Dlg::IDC_UPDATE);
    });
    EXPECT_EQ(c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, BoxTexts());
    EXPECT_EQ((Rows{{"Book1.xlsx", "Sheet1", "$A$1:$C$3", "C:\\Data\\"}}), shown);
    EXPECT_EQ("C:\\Data\\Book1.xlsx|Sheet1|$A$1:$C$3", KeyOf(table));
    EXPECT_EQ("01/02/2020 03:04:05", TextOf(ReadBack(table), 3));
  }
  for (const sim::OutputEvent& e : sim::OutputLog())
    if (e.kind == sim::OutputKind::WindowsMessageBox) {
      EXPECT_EQ("Korvu Quorvelle for MicroStation V8i", e.title);
    }
}

TEST_F(LinkManagerTest, UpdatingOneLinkOntoAnotherLeavesTheOtherRowAlone) {
  const MSElement a = PlaceLink("C:\\Data\\A.xlsx");
  const MSElement b = PlaceLink("C:\\Data\\B.xlsx", "Doors", "$A$1:$B$9");
  const Rows shown = RunManager({a, b}, [](IDialogPresenter& d) {
    SelectAndType(d, 0, "C:\\Data\\B.xlsx", "Doors", "$A$1:$B$9");
    sim::Press(d, Dlg::IDC_UPDATE);
  });
  EXPECT_EQ((Rows{{"B.xlsx", "Doors", "$A$1:$B$9", "C:\\Data\\"}}), shown);
  EXPECT_EQ("C:\\Data\\B.xlsx|Doors|$A$1:$B$9", KeyOf(a));
}

// Tables placed by earlier versions keep their link in a record that the readers
// prefer: an update re-points the record, keeping its save time.
TEST_F(LinkManagerTest, ALegacyRecordIsRePointedAndADamagedOneStopsTheUpdate) {
  const MSElement legacy = PlaceLink("C:\\Data\\Old.xlsx");
  WriteAttribute(legacy, 0, LinkRecord(u"C:\\Data\\Old.xlsx", u"Sheet1", u"$A$1:$C$3", u"12/10/2026 14:03:27"));
  RunManager({legacy}, [](IDialogPresenter& d) {
    SelectAndType(d, 0, "D:\\New\\Old.xlsx", "Sheet2", "$B$1");
    sim::Press(d, Dlg::IDC_UPDATE);
  });
  const xlslinkinfo link = LinkOf(legacy);
  EXPECT_EQ("D:\\New\\Old.xlsx|Sheet2|$B$1", link.Path + "|" + link.Worksheet + "|" + link.Range);
  EXPECT_EQ("12/10/2026 14:03:27", link.LastSaveTime.Format());

  // Two tables of one link; the second's record is damaged while the dialog is open.
  const MSElement first = PlaceLink("C:\\Data\\Two.xlsx");
  const MSElement second = PlaceLink("C:\\Data\\Two.xlsx");
  WriteAttribute(second, 0, LinkRecord(u"C:\\Data\\Two.xlsx", u"Sheet1", u"$A$1:$C$3", u""));
  sim::ClearOutputLog();
  const Rows shown = RunManager({first, second}, [&](IDialogPresenter& d) {
    WriteAttribute(second, 0, std::vector<std::uint8_t>(100, 0));
    SelectAndType(d, 0, "D:\\New\\Two.xlsx", "Sheet1", "$A$1:$C$3");
    sim::Press(d, Dlg::IDC_UPDATE);
  });
  EXPECT_EQ(std::vector<std::string>{CellMessage("The link information corrupted. Element Id: %ld.", second)}, Boxes());
  EXPECT_EQ(std::vector<std::string>{"Unable to update the specified link."}, BoxTexts());
  EXPECT_EQ((Rows{{"Two.xlsx", "Sheet1", "$A$1:$C$3", "C:\\Data\\"}}), shown);
  EXPECT_EQ("D:\\New\\Two.xlsx", LinkOf(first).Path);  // rewritten before the damaged one was met
}

// The host refusing to rewrite one table: the others are re-pointed, but the update
// is not reported as done and the list keeps the old link.
TEST_F(LinkManagerTest, ARefusedRewriteIsNotReportedAsAnUpdate) {
  const MSElement first = PlaceLink("C:\\Data\\Book1.xlsx");
  const MSElement second = PlaceLink("C:\\Data\\Book1.xlsx");
  const Rows shown = RunManager({first, second}, [](IDialogPresenter& d) {
    sim::FailOperation("mdlElement_rewrite");
    SelectAndType(d, 0, "D:\\New\\Book1.xlsx", "Sheet1", "$A$1:$C$3");
    sim::Press(d, Dlg::IDC_UPDATE);
  });
  EXPECT_EQ(std::vector<std::string>{"Unable to update the specified link."}, BoxTexts());
  EXPECT_EQ((Rows{{"Book1.xlsx", "Sheet1", "$A$1:$C$3", "C:\\Data\\"}}), shown);
  EXPECT_EQ("C:\\Data\\Book1.xlsx", LinkOf(first).Path);
  EXPECT_EQ("D:\\New\\Book1.xlsx", LinkOf(second).Path);
}

TEST_F(LinkManagerTest, BreakLinkRemovesStringLinksOnlyAndAsksFirst) {
  const MSElement table = PlaceLink("C:\\Data\\Book1.xlsx");
  const MSElement legacy = PlaceLink("C:\\Data\\Old.xlsx");
  WriteAttribute(legacy, 0, LinkRecord(u"C:\\Data\\Old.xlsx", u"Sheet1", u"$A$1:$C$3", u""));

  sim::PushBoxAnswer(IDNO);
  Rows shown = RunManager({table, legacy}, [](IDialogPresenter& d) {
    sim::SelectRows(d, Dlg::IDC_LINKS, {0});
    sim::Press(d, Dlg::IDC_BREAK_LINK);
  });
  EXPECT_EQ(2u, shown.size());
  EXPECT_EQ("C:\\Data\\Book1.xlsx", TextOf(ReadBack(table), 4));

  sim::ClearOutputLog();
  shown = RunManager({table, legacy}, [](IDialogPresenter& d) {
    sim::Press(d, Dlg::IDC_BREAK_LINK);  // nothing selected: asked, then told
    sim::SelectRows(d, Dlg::IDC_LINKS, {0});
    sim::Press(d, Dlg::IDC_BREAK_LINK);
    sim::SelectRows(d, Dlg::IDC_LINKS, {0});
    sim::Press(d, Dlg::IDC_BREAK_LINK);
  });
  EXPECT_EQ((std::vector<std::string>{"Are you sure you want to break this link?", "You must select a link first.",
                                      "Are you sure you want to break this link?",
                                      "Are you sure you want to break this link?"}),
            BoxTexts());
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ((std::vector<int>{}), KeysOf(ReadBack(table)));
  // The legacy record is not the link manager's to remove: the table keeps its link.
  EXPECT_EQ("C:\\Data\\Old.xlsx", LinkOf(legacy).Path);
}

TEST_F(LinkManagerTest, WithoutASelectionTheCommandAsksForATable) {
  mdlSelect_freeAll();
  Quorvelle_ManageLink();
  EXPECT_EQ("QUORVELLE LINKS", sim::RunningCommand());
  EXPECT_EQ("Identify an Quorvelle:", sim::OutputTexts(sim::OutputKind::Prompt).back());
}

}  // namespace
