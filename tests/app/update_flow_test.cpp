// The update commands: placed tables redrawn from their changed workbooks at their
// places, up-to-date ones left alone when asked, and every failure keeping the old
// table.
#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/Exports.h"
#include "host/mselement.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/msscan.h"
#include "app/TableCell.h"
#include "settings/Profile.h"
#include "sim/SimDialogs.h"
#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"
#include "tests/app/AppTestSupport.h"

namespace {

using nlohmann::json;

class UpdateFlowTest : public PlacedTableTest {
 protected:
  void SetUp() override {
    PlacedTableTest::SetUp();
    workbook = dir.File("Schedule.xlsx");
    WriteWorkbook(workbook, "Doors", "D-101");
    PlaceTable(workbook, "A1:B2");
    ASSERT_EQ(1u, Elements().size());
    placed = Elements()[0];
  }
  static void SelectTheTables() {
    mdlSelect_freeAll();
    for (const auto& element : Elements()) mdlSelect_addElement(element["filePos"].get<ULong>(), mdlModelRef_getActive(), 0);
  }
  static std::string Texts(const json& cell) {
    std::string texts;
    for (const auto& m : cell["members"])
      if (m.contains("text")) texts += m["text"].get<std::string>() + "|";
    return texts;
  }
  // What the message area was given, in order; errors marked.
  static std::vector<std::string> Printed() {
    std::vector<std::string> printed;
    for (const sim::OutputEvent& e : sim::OutputLog())
      if (e.kind == sim::OutputKind::Printf) printed.push_back(e.text);
      else if (e.kind == sim::OutputKind::Error) printed.push_back("error: " + e.text);
    return printed;
  }
  std::string workbook;
  json placed;
};

TEST_F(UpdateFlowTest, AChangedWorkbookRedrawsTheTableInItsPlace) {
  WriteWorkbook(workbook, "Doors", "D-102");
  // Saved later than the table was drawn, as a changed workbook is.
  std::filesystem::last_write_time(workbook, std::filesystem::last_write_time(workbook) + std::chrono::seconds(10));
  SelectTheTables();
  Quorvelle_Update_Selected();
  const json after = Elements();
  ASSERT_EQ(1u, after.size());
  EXPECT_NE(placed["id"], after[0]["id"]);
  EXPECT_EQ(placed["origin"], after[0]["origin"]);
  EXPECT_NE(std::string::npos, Texts(after[0]).find("D-102|")) << Texts(after[0]);
  EXPECT_EQ(std::string::npos, Texts(after[0]).find("D-101"));
  EXPECT_EQ("default", sim::RunningCommand());
  ASSERT_TRUE(sim::Undo());  // the delete of the old table is undoable
  EXPECT_EQ(2u, Elements().size());
}

TEST_F(UpdateFlowTest, AnUpToDateTableIsBypassedBySelectionButRedrawnByUpdateAll) {
  sim::ClearOutputLog();
  SelectTheTables();
  Quorvelle_Update_Selected();
  EXPECT_EQ(placed["id"], Elements()[0]["id"]);
  const std::vector<std::string> printed = Printed();
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ("This Quorvelle object is up to date. Bypass file " + sim::ToWindowsPath(workbook) + ".", printed[0]);

  Quorvelle_Update_All();
  ASSERT_EQ(1u, Elements().size());
  EXPECT_NE(placed["id"], Elements()[0]["id"]);
  EXPECT_EQ(placed["origin"], Elements()[0]["origin"]);
  // Redrawn from the same workbook, the table is up to date again.
  sim::ClearOutputLog();
  SelectTheTables();
  const json redrawn = Elements()[0];
  Quorvelle_Update_Selected();
  EXPECT_EQ(redrawn["id"], Elements()[0]["id"]);
}

TEST_F(UpdateFlowTest, AFailingWorkbookKeepsTheOldTable) {
  struct Case {
    const char* name;
    void (*change)(const std::string& path);
    std::string message;  // the start of what the user is told
  } cases[] = {
      {"the sheet is gone", [](const std::string& p) { WriteWorkbook(p, "Windows", "W-1"); },
       "error: Unable to update. Cannot find "},
      {"the workbook is gone", [](const std::string& p) { std::filesystem::remove(p); }, "Unable to update. Cannot find "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.change(workbook);
    sim::ClearOutputLog();
    SelectTheTables();
    Quorvelle_Update_All();
    EXPECT_EQ(placed, Elements()[0]);
    const std::vector<std::string> printed = Printed();
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(0u, printed[0].find(c.message)) << printed[0];
    EXPECT_EQ("default", sim::RunningCommand());
  }
}

TEST_F(UpdateFlowTest, ASelectionWithoutTablesIsSaidSoOnceForEachElement) {
  MSElement line;
  const DPoint3d ends[2] = {{0, 0, 0}, {5, 5, 0}};
  mdlLine_create(&line, nullptr, ends);
  const ULong first = mdlElement_add(&line);
  const ULong second = mdlElement_add(&line);
  sim::ClearOutputLog();
  mdlSelect_freeAll();
  mdlSelect_addElement(first, mdlModelRef_getActive(), 0);
  mdlSelect_addElement(second, mdlModelRef_getActive(), 0);
  Quorvelle_Update_Selected();
  EXPECT_EQ((std::vector<std::string>{"Unable to update. You did not save the Excel file originally.\n",
                                      "Unable to update. You did not save the Excel file originally.\n",
                                      "No Quorvelle is found."}),
            Printed());
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(UpdateFlowTest, TurningAutomaticUpdatesTwiceLeavesTheSettingAsItWas) {
  sim::ClearOutputLog();
  EXPECT_EQ(0, IsAutoUpdate());
  Quorvelle_TurnAutoUpdate();
  EXPECT_EQ(1, IsAutoUpdate());
  Quorvelle_TurnAutoUpdate();
  EXPECT_EQ(0, IsAutoUpdate());
  EXPECT_EQ((std::vector<std::string>{"Auto-Update is enabled.", "Auto-Update is disabled."}),
            sim::OutputTexts(sim::OutputKind::HostMessageBox));
}

}  // namespace

namespace {

TEST_F(UpdateFlowTest, ATablePickedWithTheCursorIsUpdated) {
  WriteWorkbook(workbook, "Doors", "D-102");
  std::filesystem::last_write_time(workbook, std::filesystem::last_write_time(workbook) + std::chrono::seconds(10));
  mdlSelect_freeAll();
  Quorvelle_Update_Start();
  EXPECT_EQ("QUORVELLE UPDATE", sim::RunningCommand());
  sim::SendDataPoint(PointOn(placed));
  sim::PumpMessages();
  ASSERT_EQ(1u, Elements().size());
  EXPECT_NE(placed["id"], Elements()[0]["id"]);
  EXPECT_NE(std::string::npos, Texts(Elements()[0]).find("D-102|"));
  EXPECT_EQ("default", sim::RunningCommand());
}

// The link manager on a table picked with the cursor, its link re-pointed to another
// sheet: the next update draws that sheet in the table's place.
TEST_F(UpdateFlowTest, ALinkRePointedInTheLinkManagerIsDrawnByTheNextUpdate) {
  WriteWorkbook(dir.File("Other.xlsx"), "Windows", "W-7");
  // Saved before the relinking: the table is drawn from it at the next update.
  std::filesystem::last_write_time(dir.File("Other.xlsx"),
                                   std::filesystem::last_write_time(dir.File("Other.xlsx")) - std::chrono::hours(1));
  std::vector<std::vector<std::string>> rows;
  sim::PushDialogScript([&](IDialogPresenter& d) {
    rows = d.ListRows(211);
    sim::SelectRows(d, 211, {0});
    sim::TypeInto(d, 201, sim::ToWindowsPath(dir.File("Other.xlsx")));
    sim::TypeInto(d, 219, "Windows");
    sim::Press(d, 248);
  });
  mdlSelect_freeAll();
  Quorvelle_ManageLink();
  EXPECT_EQ("QUORVELLE LINKS", sim::RunningCommand());
  sim::SendDataPoint(PointOn(placed));
  EXPECT_EQ("default", sim::RunningCommand());
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("Schedule.xlsx", rows[0][0]);

  SelectTheTables();
  Quorvelle_Update_Selected();
  sim::PumpMessages();
  ASSERT_EQ(1u, Elements().size());
  EXPECT_NE(std::string::npos, Texts(Elements()[0]).find("W-7|"));
}

TEST_F(UpdateFlowTest, AWebLinkIsNotLookedForOnDisk) {
  // A table linked to a workbook on a web server: no file to find here, so the update
  // goes straight to Excel, which is asked to open it.
  xlslinkinfo link;
  link.Path = "https://files.example.com/Schedule.xlsx";
  link.Worksheet = "Doors";
  link.Range = "$A$1:$B$2";
  MSElement header = MakeTableHeader(link, false);
  MSElementDescr* cell = nullptr;
  mdlElmdscr_new(&cell, nullptr, &header);
  MSElement line;
  const DPoint3d ends[2] = {{0, 500, 0}, {50, 500, 0}};
  mdlLine_create(&line, nullptr, ends);
  mdlElmdscr_appendElement(cell, &line);
  ASSERT_NE(0u, mdlElmdscr_add(cell));
  mdlElmdscr_freeAll(&cell);
  ASSERT_EQ(2u, Elements().size());
  mdlSelect_freeAll();
  mdlSelect_addElement(Elements().back()["filePos"].get<ULong>(), mdlModelRef_getActive(), 0);
  sim::ClearOutputLog();
  Quorvelle_Update_Selected();
  for (const std::string& printed : Printed()) {
    EXPECT_EQ(std::string::npos, printed.find("Cannot find")) << printed;
    EXPECT_EQ(std::string::npos, printed.find("up to date")) << printed;
  }
  // Excel was asked for it, and said why it could not open it; the old cell stays.
  const std::vector<std::string> boxes = sim::OutputTexts(sim::OutputKind::WindowsMessageBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_NE(std::string::npos, boxes[0].find("https://files.example.com/Schedule.xlsx")) << boxes[0];
  EXPECT_EQ(2u, Elements().size());
}

}  // namespace
