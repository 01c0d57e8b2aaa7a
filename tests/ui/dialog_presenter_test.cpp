// The common part of the module's dialogs as the scripted view shows them: list rows
// and their selection, controls, the end of a dialog, and the file and folder
// dialogs.
#include <gtest/gtest.h>

#include "platform/commdlg.h"
#include "platform/msgbox.h"
#include "sim/SimDialogs.h"
#include "sim/SimOutput.h"
#include "tests/TestSupport.h"
#include "ui/CommonDialogs.h"
#include "ui/DialogPresenter.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A dialog with one list, an edit box, a button that is disabled and one that deletes
// the selected row.
class SampleDialog : public CDialogPresenter {
 public:
  SampleDialog() : CDialogPresenter("IDD_SAMPLE", "Sample", nullptr) {
    AddList(10);
    AddControl(20);
    AddControl(30, "&Off");
    AddControl(40, "&Delete");
    AddControl(IDOK, "OK");
  }
  void OnInitDialog() override {
    List(10).InsertColumn(0, "Name", 80);
    List(10).InsertColumn(1, "Value", 80);
    for (const char* name : {"a", "b", "c", "d"}) List(10).InsertItem(99, {name, "1"});
    EnableControl(30, false);
  }
  void OnCommand(int id) override {
    if (id == 30) ++offPressed;
    if (id == 40) List(10).DeleteItem(List(10).GetFirstSelected());
    CDialogPresenter::OnCommand(id);
  }
  void OnSelectionChanged(int) override { SetDlgItemText(20, List(10).GetItemText(List(10).GetFirstSelected(), 0)); }
  int offPressed = 0;
};

using DialogTest = HostTest;

TEST_F(DialogTest, RowsKeepTheirSelectionAsOthersComeAndGo) {
  SampleDialog dialog;
  sim::PushDialogScript([&](IDialogPresenter& d) {
    sim::SelectRows(d, 10, {3, 1, 7});  // a row that is not there is left out
    EXPECT_EQ((std::vector<int>{1, 3}), d.SelectedRows(10));
    EXPECT_EQ("b", d.ControlText(20));
    sim::Press(d, 40);  // deletes "b"; "d" moves up
    EXPECT_EQ((std::vector<int>{2}), d.SelectedRows(10));
    EXPECT_FALSE(sim::Press(d, 30));  // disabled
    sim::TypeInto(d, 20, "typed");
    EXPECT_TRUE(sim::Press(d, IDOK));
    EXPECT_FALSE(sim::Press(d, 40));  // ended
  });
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ((Rows{{"a", "1"}, {"c", "1"}, {"d", "1"}}), dialog.ListRows(10));
  EXPECT_EQ("typed", dialog.ControlText(20));
  EXPECT_EQ(0, dialog.offPressed);
  EXPECT_EQ((std::vector<std::string>{"Name", "Value"}), dialog.ListColumns(10));

  // Without a script the dialog is left as a person leaves it: with Escape.
  SampleDialog unscripted;
  EXPECT_EQ(IDCANCEL, unscripted.DoModal());
}

TEST_F(DialogTest, FilesAndFoldersAreTheOnesChosenOrNone) {
  std::string path = "unchanged";
  sim::PushFileChoice("C:\\Data\\Book1.xlsx");
  EXPECT_TRUE(PickFileToOpen(nullptr, "*.xlsx", "Excel(*.xlsx)|*.xlsx||", &path));
  EXPECT_EQ("C:\\Data\\Book1.xlsx", path);
  sim::PushFileChoice(std::string(300, 'x'));  // longer than the dialog's buffer
  EXPECT_FALSE(PickFileToSave(nullptr, "qvxls", "Lists|*.qvxls||", &path));
  EXPECT_FALSE(PickFileToOpen(nullptr, "*.xlsx", "", &path));  // nothing chosen
  EXPECT_EQ("C:\\Data\\Book1.xlsx", path);

  sim::PushFolderChoice("D:\\Projects\\North\\");
  std::string folder;
  EXPECT_TRUE(PickFolder(nullptr, "Pick a Directory", &folder));
  EXPECT_EQ("D:\\Projects\\North\\", folder);
  EXPECT_FALSE(PickFolder(nullptr, "Pick a Directory", &folder));
  const auto said = sim::OutputTexts(sim::OutputKind::Dialog);
  EXPECT_EQ("chose D:\\Projects\\North\\", said[said.size() - 2]);
  EXPECT_EQ("cancelled", said.back());
}

}  // namespace
