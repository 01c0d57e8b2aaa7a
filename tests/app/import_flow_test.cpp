// The import of several ranges: the dialog that composes the list (its order, its
// checks, the list file, in-place edits, the registry list) and the run that opens
// each workbook once, sends each range and places the tables at the points given.
#include <filesystem>
#include <fstream>

#include "app/AcadFunc.h"
#include "app/Exports.h"
#include "app/ImportMultiTablesDialog.h"
#include "host/msstate.h"
#include "platform/msgbox.h"
#include "settings/ImportList.h"
#include "settings/Profile.h"
#include "sim/SimDialogs.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "tests/app/AppTestSupport.h"

namespace {

using Dlg = CImportMultiTablesDialog;
using Rows = std::vector<std::vector<std::string>>;

class ImportTest : public PlacedTableTest {
 protected:
  void SetUp() override {
    PlacedTableTest::SetUp();
    for (const char* name : {"A.xlsx", "B.xlsx"}) WriteWorkbook(dir.File(name), "Sheet1", name);
  }
  std::string Win(const std::string& name) const { return sim::ToWindowsPath(dir.File(name)); }

  // Browses for the workbook (its sheets read in Excel), picks the sheet, types the
  // range and presses Add.
  void Add(IDialogPresenter& d, const std::string& workbook, const std::string& sheet, const std::string& range) {
    sim::PushFileChoice(workbook);
    sim::Press(d, Dlg::IDC_BROWSE);
    sim::TypeInto(d, Dlg::IDC_WORKSHEET, sheet);
    sim::TypeInto(d, Dlg::IDC_RANGE, range);
    sim::Press(d, Dlg::IDC_ADD);
  }

  // Runs the dialog with the script; the rows it showed at the end.
  static Rows RunDialog(const std::function<void(IDialogPresenter&)>& script) {
    Rows rows;
    sim::PushDialogScript([&](IDialogPresenter& d) {
      script(d);
      rows = d.ListRows(Dlg::IDC_ITEMS);
    });
    Dlg dialog(nullptr);
    dialog.DoModal();
    return rows;
  }

  static std::vector<std::string> Boxes() { return sim::OutputTexts(sim::OutputKind::WindowsMessageBox); }

  // The value names of the registry list, as written.
  static std::vector<std::string> RegistryKeys() {
    std::vector<std::string> keys;
    for (const auto& [name, data] : GetProfileStrings(kImportListSection)) keys.push_back(name);
    std::sort(keys.begin(), keys.end());
    return keys;
  }

  void WriteList(const std::string& name, const std::string& text) {
    std::ofstream(dir.File(name), std::ios::binary) << text;
  }

  // Imports the items with the command, then gives the points.
  void Import(const std::vector<ImportItem>& items, const std::vector<DPoint3d>& points) {
    DeleteRegistryImportList();
    for (const ImportItem& item : items) WriteRegistryImportItem(item);
    sim::PushDialogScript([](IDialogPresenter& d) { sim::Press(d, Dlg::IDC_IMPORT); });
    Quorvelle_ImportMultiTables_Start();
    sim::PumpMessages();
    for (const DPoint3d& p : points) {
      sim::SendDataPoint(p);
      sim::PumpMessages();
    }
  }

  static std::vector<std::string> TableTexts() {
    std::vector<std::string> texts;
    for (const auto& cell : Elements()) {
      std::string text;
      for (const auto& m : cell["members"])
        if (m.contains("text")) text += m["text"].get<std::string>().substr(3);  // after the byte order mark
      texts.push_back(text);
    }
    return texts;
  }
};

TEST_F(ImportTest, ItemsStayInWorkbookOrderAndTheSameItemIsRefusedInAnyCase) {
  const Rows rows = RunDialog([&](IDialogPresenter& d) {
    Add(d, Win("B.xlsx"), "Sheet1", "A1:B2");
    Add(d, Win("A.xlsx"), "Sheet1", "A1:B2");
    Add(d, Win("B.xlsx"), "Sheet1", "");
    EXPECT_EQ(std::vector<std::string>{"Sheet1"}, d.ControlItems(Dlg::IDC_WORKSHEET));
    Add(d, sim::ToWindowsPath(dir.File("a.XLSX")), "Sheet1", "a1:b2");
  });
  EXPECT_EQ((Rows{{Win("A.xlsx"), "Sheet1", "A1:B2"}, {Win("B.xlsx"), "Sheet1", "A1:B2"}, {Win("B.xlsx"), "Sheet1", ""}}),
            rows);
  EXPECT_EQ(std::vector<std::string>{"There is already an item with the same workbook, worksheet and range in the list."},
            Boxes());
  EXPECT_EQ((std::vector<std::string>{Win("A.xlsx") + "*Sheet1*A1:B2", Win("B.xlsx") + "*Sheet1*",
                                      Win("B.xlsx") + "*Sheet1*A1:B2"}),
            RegistryKeys());
  // The next time the dialog opens, the list is the one remembered.
  EXPECT_EQ(rows, RunDialog([](IDialogPresenter&) {}));
}

TEST_F(ImportTest, AddRefusesWhatCannotBeImported) {
  struct Case {
    std::string workbook, sheet, range, message;
  } cases[] = {
      {"C:\\Server*Doc.xlsx", "", "", "Cannot find C:\\Server*Doc.xlsx."},
      {"C:\\Nowhere\\Gone.xlsx", "", "", "Cannot find C:\\Nowhere\\Gone.xlsx."},
      {Win("A.xlsx"), "", "", "Invalid worksheet."},
      {Win("A.xlsx"), "Sheet1", "A1*B2", "Invalid Range."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    sim::ClearOutputLog();
    const Rows rows = RunDialog([&](IDialogPresenter& d) {
      sim::PushFileChoice(Win("A.xlsx"));
      sim::Press(d, Dlg::IDC_BROWSE);  // the sheets of a real workbook to pick from
      sim::TypeInto(d, Dlg::IDC_WORKBOOK, c.workbook);
      sim::TypeInto(d, Dlg::IDC_WORKSHEET, c.sheet);
      sim::TypeInto(d, Dlg::IDC_RANGE, c.range);
      sim::Press(d, Dlg::IDC_ADD);
    });
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(std::vector<std::string>{c.message}, Boxes());
  }
  EXPECT_TRUE(RegistryKeys().empty());
}

TEST_F(ImportTest, AListFileIsSavedWithItsLineEndsAndLoadingOneReplacesListAndRegistry) {
  RunDialog([&](IDialogPresenter& d) {
    Add(d, Win("B.xlsx"), "Sheet1", "A1:B2");
    Add(d, Win("A.xlsx"), "Sheet1", "");
    sim::PushFileChoice(Win("two.qvxls"));
    sim::Press(d, Dlg::IDC_SAVE_LIST);
  });
  std::ifstream saved(dir.File("two.qvxls"), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_EQ(Win("A.xlsx") + "*Sheet1*\r\r\n" + Win("B.xlsx") + "*Sheet1*A1:B2\r\r\n", bytes);

  WriteList("other.qvxls",
            "Book.xls*Sheet1*\n"
            "Book.xls**A1:B2\n"
            "  *  \n"
            "\\\\pw-server\\Projects*Doc.xlsx*Sheet1*A1:C9\n" +
                std::string(5000, 'x') + "\n");
  Rows rows = RunDialog([&](IDialogPresenter& d) {
    sim::PushFileChoice(Win("other.qvxls"));
    sim::Press(d, Dlg::IDC_LOAD_LIST);
  });
  // Every "*" separates fields, a ProjectWise document's too: its line comes apart.
  EXPECT_EQ((Rows{{"\\\\pw-server\\Projects", "Doc.xlsx", "Sheet1"}, {"Book.xls", "Sheet1", ""}, {"Book.xls", "A1:B2", ""}}),
            rows);
  EXPECT_EQ((std::vector<std::string>{"Book.xls*A1:B2*", "Book.xls*Sheet1*", "\\\\pw-server\\Projects*Doc.xlsx*Sheet1"}),
            RegistryKeys());
  EXPECT_EQ(std::vector<std::string>{"1 lines of the list file " + Win("other.qvxls") +
                                     " are not items of a list (too long, or not text) and were left out."},
            Boxes());

  sim::ClearOutputLog();
  rows = RunDialog([&](IDialogPresenter& d) {
    sim::PushFileChoice(Win("two.qvxls"));
    sim::Press(d, Dlg::IDC_LOAD_LIST);
  });
  EXPECT_EQ((Rows{{Win("A.xlsx"), "Sheet1", ""}, {Win("B.xlsx"), "Sheet1", "A1:B2"}}), rows);
  EXPECT_EQ((std::vector<std::string>{Win("A.xlsx") + "*Sheet1*", Win("B.xlsx") + "*Sheet1*A1:B2"}), RegistryKeys());

  // A folder is no list: the file error is told and the list left empty.
  rows = RunDialog([&](IDialogPresenter& d) {
    sim::PushFileChoice(sim::ToWindowsPath(dir.path().string()));
    sim::Press(d, Dlg::IDC_LOAD_LIST);
  });
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(1u, sim::OutputTexts(sim::OutputKind::WindowsMessageBox).size() +
                    sim::OutputTexts(sim::OutputKind::HostMessageBox).size());
}

TEST_F(ImportTest, AVeryLongListFileLoadsAsManyItemsAsAnImportTakes) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "Book" + std::to_string(i) + ".xls*Sheet1\r\n";
  WriteList("long.qvxls", text);
  const Rows rows = RunDialog([&](IDialogPresenter& d) {
    sim::PushFileChoice(Win("long.qvxls"));
    sim::Press(d, Dlg::IDC_LOAD_LIST);
  });
  EXPECT_EQ(static_cast<std::size_t>(Dlg::kMaxItems), rows.size());
  EXPECT_EQ(std::vector<std::string>{"The list file " + Win("long.qvxls") + " holds more than 1000 items; the rest were "
                                     "not loaded."},
            Boxes());
}

TEST_F(ImportTest, EditsInPlaceAreCheckedAndRemembered) {
  WriteRegistryImportItem({"C:\\A.xls", "Sheet1", ""});
  WriteRegistryImportItem({"C:\\B.xls", "Sheet1", "A1"});
  struct Case {
    int row, column;
    std::string text;
    int key;
    const char* message;  // nullptr: none
    Rows after;
  } cases[] = {
      {0, 0, "", kKeyEnter, "Invalid workbook.", {{"C:\\A.xls", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}},
      {0, 1, "", 0, "Invalid worksheet.", {{"C:\\A.xls", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}},
      {0, 0, "c:\\b.XLS", kKeyEnter, nullptr, {{"c:\\b.XLS", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}},
      {0, 2, "a1", kKeyEnter, "There is already an item with the same workbook, worksheet and range in the list.",
       {{"C:\\A.xls", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}},
      {1, 2, "Z9", kKeyEscape, nullptr, {{"C:\\A.xls", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}},
      // An edit is not checked for "*" or the file: a ProjectWise document can be typed.
      {0, 0, "pw:\\Server\\Plans*Doors.xlsx", 0, nullptr,
       {{"pw:\\Server\\Plans*Doors.xlsx", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    sim::ClearOutputLog();
    const Rows rows = RunDialog([&](IDialogPresenter& d) {
      if (c.row == 0 && c.column == 2) sim::EditCell(d, Dlg::IDC_ITEMS, 0, 0, "C:\\B.xls", kKeyEnter);  // then a1
      sim::ClearOutputLog();
      EXPECT_TRUE(sim::EditCell(d, Dlg::IDC_ITEMS, c.row, c.column, c.text, c.key));
      EXPECT_FALSE(d.EditingCell(Dlg::IDC_ITEMS, nullptr, nullptr));
    });
    EXPECT_EQ(c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, Boxes());
    if (c.row == 0 && c.column == 2) {
      EXPECT_EQ((Rows{{"C:\\B.xls", "Sheet1", ""}, {"C:\\B.xls", "Sheet1", "A1"}}), rows);
    } else {
      EXPECT_EQ(c.after, rows);
    }
    // What the list shows is what the registry keeps.
    std::vector<std::string> shown;
    for (const auto& row : rows) shown.push_back(row[0] + "*" + row[1] + "*" + row[2]);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, RegistryKeys());
    // Put the list back for the next case.
    DeleteRegistryImportList();
    WriteRegistryImportItem({"C:\\A.xls", "Sheet1", ""});
    WriteRegistryImportItem({"C:\\B.xls", "Sheet1", "A1"});
  }
}

TEST_F(ImportTest, RemoveAsksAndTakesTheSelectedItemsFromListAndRegistry) {
  for (const char* book : {"C:\\A.xls", "C:\\B.xls", "C:\\C.xls"}) WriteRegistryImportItem({book, "Sheet1", ""});
  sim::PushBoxAnswer(IDNO);
  EXPECT_EQ(3u, RunDialog([](IDialogPresenter& d) {
                  sim::SelectRows(d, Dlg::IDC_ITEMS, {0, 2});
                  sim::Press(d, Dlg::IDC_REMOVE);
                }).size());
  const Rows rows = RunDialog([](IDialogPresenter& d) {
    sim::SelectRows(d, Dlg::IDC_ITEMS, {0, 2});
    sim::Press(d, Dlg::IDC_REMOVE);
  });
  EXPECT_EQ((Rows{{"C:\\B.xls", "Sheet1", ""}}), rows);
  EXPECT_EQ(std::vector<std::string>{"C:\\B.xls*Sheet1*"}, RegistryKeys());
}

TEST_F(ImportTest, EachWorkbookOpensOnceAndTheTablesArePlacedInListOrder) {
  WriteWorkbook(dir.File("A.xlsx"), "Sheet1", "alpha");
  WriteWorkbook(dir.File("B.xlsx"), "Sheet1", "beta");
  Import({{Win("B.xlsx"), "Sheet1", "A1:A1"}, {Win("A.xlsx"), "Sheet1", "A1:A1"}, {Win("B.xlsx"), "Sheet1", "A1:B1"}},
         {{0, 0, 0}, {0, 100, 0}, {0, 200, 0}});
  ASSERT_NE(nullptr, sim::LastStartedExcel());
  EXPECT_EQ((std::vector<std::string>{"opened " + Win("A.xlsx"), "closed " + Win("A.xlsx"), "opened " + Win("B.xlsx"),
                                      "closed " + Win("B.xlsx")}),
            sim::ExcelWorkbookHistory(*sim::LastStartedExcel()));
  EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "beta1"}), TableTexts());
  EXPECT_EQ("default", sim::RunningCommand());
  const auto printed = sim::OutputTexts(sim::OutputKind::Printf);
  EXPECT_EQ("Importing " + Win("A.xlsx") + "[Sheet1] ...", printed.at(0));
  EXPECT_EQ("Importing " + Win("A.xlsx") + "[Sheet1]:A1:A1 ...", printed.at(1));
  EXPECT_EQ("Done!", printed.at(2));
}

TEST_F(ImportTest, AFailedItemIsSkippedAndTheOthersArePlaced) {
  // The first item's sheet is not there: its workbook is closed, the next one goes on.
  Import({{Win("A.xlsx"), "Missing", ""}, {Win("B.xlsx"), "Sheet1", "A1:A1"}}, {{0, 0, 0}});
  EXPECT_EQ(std::vector<std::string>{"Unable to update. Cannot find " + Win("A.xlsx") + "[Missing].\n"},
            sim::OutputTexts(sim::OutputKind::Error));
  EXPECT_EQ((std::vector<std::string>{"opened " + Win("A.xlsx"), "closed " + Win("A.xlsx"), "opened " + Win("B.xlsx"),
                                      "closed " + Win("B.xlsx")}),
            sim::ExcelWorkbookHistory(*sim::LastStartedExcel()));
  EXPECT_EQ(std::vector<std::string>{"B.xlsx"}, TableTexts());
  EXPECT_EQ("default", sim::RunningCommand());

  // The last item fails: the ranges received before it are placed all the same.
  sim::ClearOutputLog();
  Import({{Win("A.xlsx"), "Sheet1", "A1:A1"}, {Win("Gone.xlsx"), "Sheet1", ""}}, {{0, 300, 0}});
  const auto printed = sim::OutputTexts(sim::OutputKind::Printf);
  EXPECT_NE(printed.end(), std::find(printed.begin(), printed.end(), "Cannot find " + Win("Gone.xlsx") + "."));
  EXPECT_EQ((std::vector<std::string>{"B.xlsx", "A.xlsx"}), TableTexts());
  EXPECT_EQ("default", sim::RunningCommand());

  // Nothing arrives: the command ends rather than wait for points.
  Import({{Win("Gone.xlsx"), "Sheet1", ""}}, {});
  EXPECT_EQ("default", sim::RunningCommand());
  EXPECT_EQ(2u, Elements().size());
}

// A ProjectWise document can be typed into the list (Add refuses "*"); the import opens
// it through the ProjectWise component and deletes the local copy after its last item.
TEST_F(ImportTest, AProjectWiseDocumentIsOpenedThroughTheComponent) {
  const std::string document = "pw:\\\\Server\\Plans\\Doors.xlsx*";
  std::filesystem::create_directories(dir.path() / "copy");
  WriteWorkbook(dir.File("copy/Doors.xlsx"), "Sheet1", "from the server");
  bool connected = true;
  sim::SetExcelStartup([&](ExcelApplication& excel) {
    sim::RegisterProjectWiseAddin(excel, {"", {{document, Win("copy/Doors.xlsx")}}}, connected);
  });
  auto importTyped = [&] {
    DeleteRegistryImportList();
    WriteRegistryImportItem({Win("A.xlsx"), "Sheet1", ""});
    sim::PushDialogScript([&](IDialogPresenter& d) {
      sim::PushFileChoice(Win("A.xlsx"));
      sim::Press(d, Dlg::IDC_BROWSE);
      sim::TypeInto(d, Dlg::IDC_WORKSHEET, "Sheet1");
      sim::TypeInto(d, Dlg::IDC_WORKBOOK, document);
      sim::Press(d, Dlg::IDC_ADD);  // refused
      EXPECT_TRUE(sim::EditCell(d, Dlg::IDC_ITEMS, 0, 0, document, kKeyEnter));
      sim::Press(d, Dlg::IDC_IMPORT);
    });
    Quorvelle_ImportMultiTables_Start();
    sim::PumpMessages();
    sim::SendDataPoint({0, 0, 0});
    sim::PumpMessages();
  };

  // Without the component installed the document is not looked for.
  importTyped();
  EXPECT_EQ(std::vector<std::string>{"Cannot find " + document + "."}, Boxes());
  EXPECT_EQ("You need to install the component \"Quorvelle for ProjectWise\" to open " + document + ".",
            sim::OutputTexts(sim::OutputKind::HostMessageBox).back());
  EXPECT_TRUE(Elements().empty());

  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}", "", "Quorvelle for ProjectWise");
  sim::ClearOutputLog();
  importTyped();
  // The sheet's used range: its text ends where the number beside it starts.
  ASSERT_EQ(std::vector<std::string>{"from the s123"}, TableTexts());
  EXPECT_FALSE(std::filesystem::exists(dir.File("copy/Doors.xlsx")));  // the local copy, used and deleted

  // Not connected: the companion add-in is asked instead, which finds no such file.
  connected = false;
  sim::ClearOutputLog();
  importTyped();
  EXPECT_EQ(1u, Elements().size());
  const auto boxes = sim::OutputTexts(sim::OutputKind::HostMessageBox);
  ASSERT_FALSE(boxes.empty());
  EXPECT_NE(std::string::npos, boxes.back().find("Doors.xlsx")) << boxes.back();
  sim::SetExcelStartup(nullptr);
}

TEST_F(ImportTest, APathWithoutTheServerMarkIsNoProjectWiseDocument) {
  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}", "", "");
  EXPECT_EQ(0, CAcadFunc::OpenWorkbookOnProjectWise(nullptr, "C:\\Plans\\Doors.xlsx", 2));
  EXPECT_EQ(std::vector<std::string>{"Invalid ProjectWise workbook path."},
            sim::OutputTexts(sim::OutputKind::HostMessageBox));
}

TEST_F(ImportTest, LeavingTheDialogImportsNothing) {
  sim::PushDialogScript([](IDialogPresenter& d) { sim::Press(d, Dlg::IDC_CANCEL); });
  Quorvelle_ImportMultiTables_Start();
  EXPECT_EQ("default", sim::RunningCommand());
  EXPECT_EQ(0, sim::StartedExcelCount());
}

}  // namespace
