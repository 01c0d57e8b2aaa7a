// The create command end to end: Excel started for the user, the add-in's transfer,
// the output, the data points that place the tables, and the ways a transfer ends.
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "app/Exports.h"
#include "app/ModuleState.h"
#include "app/SignalDlg.h"
#include "model/CQuorvelle.h"
#include "automation/AddinContract.h"
#include "host/mselmdscr.h"
#include "host/msstate.h"
#include "settings/Profile.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "sim/addin/CellRecordEncoder.h"
#include "sim/addin/TableDescription.h"
#include "sim/excel/SimExcel.h"
#include "tests/app/AppTestSupport.h"

namespace {

using nlohmann::json;

class CreateFlowTest : public CreateCommandTest {
 protected:
  // A range of rows x columns cells of 30 by 10 points with text; its end flags.
  static json Range(int rows, int columns, int end = -1, const char* sheet = "Sheet1") {
    json r = {{"sheet", sheet}, {"origin", "A1"}};
    if (end >= 0) r["end"] = end;
    r["columnWidths"] = std::vector<double>(columns, 30.0);
    r["rowHeights"] = std::vector<double>(rows, 10.0);
    json cells = json::array();
    for (int i = 0; i < rows; ++i) {
      json row = json::array();
      for (int j = 0; j < columns; ++j) row.push_back({{"text", "r" + std::to_string(i) + "c" + std::to_string(j)}});
      cells.push_back(row);
    }
    r["rows"] = cells;
    return r;
  }

  std::string Send(const json& description) {
    sim::TranscriptWriter t;
    std::string error;
    EXPECT_TRUE(sim::TranscriptFromDescription(description.dump(), &t, &error)) << error;
    error = sim::ReplayTranscript(t.frames());
    sim::PumpMessages();
    return error;
  }

  // The workbook the Excel user opens: a file in the scratch folder.
  std::string UserOpensWorkbook(const std::string& name) {
    WriteMinimalWorkbook(dir.File(name));
    std::string path = sim::ToWindowsPath(dir.File(name));
    EXPECT_EQ("", sim::OpenAsUser(*sim::LastStartedExcel(), path));
    return path;
  }


  static std::string Linkage(const json& cell, int key) {
    for (const auto& l : cell["linkages"])
      if (l["key"] == key) return l["text"];
    return "<none>";
  }
};

TEST_F(CreateFlowTest, ARangeSentByTheAddinIsPlacedAtTheDataPoint) {
  StartCreate();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  ASSERT_NE(nullptr, excel);
  EXPECT_TRUE(sim::ExcelFlagsOf(*excel).visible);
  EXPECT_EQ((std::vector<std::string>{"Starting Excel...", "Waiting for editing table"}),
            sim::OutputTexts(sim::OutputKind::Prompt));
  std::string path = UserOpensWorkbook("Doors.xlsx");
  ASSERT_EQ("", Send({{"ranges", {Range(2, 3)}}}));

  // The output ran after the end message: Excel is gone and the cell follows the cursor.
  EXPECT_TRUE(sim::ExcelQuitCalled(*excel));
  EXPECT_NE(nullptr, pendingTableCell);
  EXPECT_EQ("Enter table origin", sim::OutputTexts(sim::OutputKind::Prompt).back());
  int drawn = sim::DisplayCount();
  sim::SendCursor({5, 5, 0});
  EXPECT_GT(sim::DisplayCount(), drawn);
  EXPECT_TRUE(Elements().empty());

  sim::SendDataPoint({100, 200, 0});
  json elements = Elements();
  ASSERT_EQ(1u, elements.size());
  const json& cell = elements[0];
  EXPECT_EQ("Cell_Quorvelle", cell["name"]);
  EXPECT_EQ((json{100.0, 200.0, 0.0}), cell["origin"]);
  EXPECT_EQ(path, Linkage(cell, 4));
  EXPECT_EQ("Sheet1", Linkage(cell, 5));
  EXPECT_EQ("$A$1:$C$2", Linkage(cell, 2));
  EXPECT_NE("", Linkage(cell, 3));  // the workbook file's time
  EXPECT_EQ("5.70", Linkage(cell, 50));
  EXPECT_EQ(1, moduleIdle);
  EXPECT_EQ(nullptr, signalWindow);
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(CreateFlowTest, TwoRangesOfOneTransferArePlacedByTwoDataPoints) {
  StartCreate();
  UserOpensWorkbook("Two.xlsx");
  ASSERT_EQ("", Send({{"ranges", {Range(1, 2, -1, "First"), Range(3, 1, -1, "Second")}}}));
  sim::SendDataPoint({0, 0, 0});
  ASSERT_EQ(1u, Elements().size());
  EXPECT_NE(nullptr, pendingTableCell);  // the second range follows the cursor now
  EXPECT_EQ("QUORVELLE CREATE", sim::RunningCommand());
  sim::SendDataPoint({50, 0, 0});
  json elements = Elements();
  ASSERT_EQ(2u, elements.size());
  EXPECT_EQ("First", Linkage(elements[0], 5));
  EXPECT_EQ("Second", Linkage(elements[1], 5));
  EXPECT_EQ("$A$1:$A$3", Linkage(elements[1], 2));
  EXPECT_EQ((json{50.0, 0.0, 0.0}), elements[1]["origin"]);
  EXPECT_EQ("default", sim::RunningCommand());
  EXPECT_EQ(1, moduleIdle);
}

TEST_F(CreateFlowTest, EveryRangeOfOneTransferIsReadWithTheUsersOptions) {
  // Texts scaled by the font scale: 2 drawing units for every Excel point.
  WriteProfileInt("Quorvelle", "FontScaleOpt", 1);
  WriteProfileString("Quorvelle", "FontDrawingUnits", "2");
  WriteProfileString("Quorvelle", "FontExcelPoints", "1");
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(1, 2, -1, "First"), Range(2, 1, -1, "Second")}}}));
  sim::SendDataPoint({0, 0, 0});
  sim::SendDataPoint({50, 0, 0});
  json elements = Elements();
  ASSERT_EQ(2u, elements.size());
  std::vector<double> heights[2];
  for (int t = 0; t < 2; ++t)
    for (const auto& m : elements[t]["members"])
      if (m["type"] == 17) heights[t].push_back(m["height"]);
  ASSERT_EQ(2u, heights[0].size());
  ASSERT_EQ(2u, heights[1].size());
  // The same font size in both ranges gives the same text height in both tables.
  for (double h : heights[1]) EXPECT_DOUBLE_EQ(heights[0][0], h);
  EXPECT_DOUBLE_EQ(heights[0][0], heights[0][1]);
}

TEST_F(CreateFlowTest, AFailureWhilePreparingTheNextRangeEndsTheCommandWithItsMessage) {
  // A drawing object of the second range that cannot be drawn.
  class FailingShape : public CAutoShape {
   public:
    int Draw(MSElementDescr*) override { throw std::runtime_error("cannot be drawn"); }
  };
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1, -1, "First"), Range(1, 1, -1, "Second")}}}));
  ASSERT_NE(nullptr, signalWindow);
  ASSERT_EQ(1u, signalWindow->furtherTables.size());
  signalWindow->furtherTables.front()->AddShape(std::make_unique<FailingShape>());
  sim::ClearOutputLog();
  sim::SendDataPoint({0, 0, 0});  // places the first table, then prepares the second
  EXPECT_EQ(std::vector<std::string>{"Error raise in CreateQuorvelle_Accept"},
            sim::OutputTexts(sim::OutputKind::HostMessageBox));
  EXPECT_EQ(1u, Elements().size());
  EXPECT_EQ(nullptr, pendingTableCell);
  EXPECT_EQ(nullptr, signalWindow);
  EXPECT_EQ(1, moduleIdle);
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(CreateFlowTest, ATransferThatLeavesNothingToDrawPlacesNoTableAndSaysSo) {
  const std::string nothing = "The range holds nothing to draw; no table is placed.";
  json negative = Range(1, 2);
  negative["columnWidths"] = {-30.0, -30.0};
  json blank = Range(2, 2);
  blank["rows"] = json::array({json::array({json::object(), json::object()}), json::array({json::object(), json::object()})});
  struct Case {
    const char* what;
    json range;
    std::vector<std::string> messages;
  } cases[] = {
      {"cells no drawing can have", negative,
       {"The cell $A$1 sent by Excel has a place or size that cannot be drawn; it is left out.",
        "The cell $B$1 sent by Excel has a place or size that cannot be drawn; it is left out."}},
      {"cells without text, fill or border", blank, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::ClearOutputLog();
    StartCreate();
    ASSERT_EQ("", Send({{"ranges", {c.range}}}));
    std::vector<std::string> leftOut;
    for (const std::string& text : sim::OutputTexts(sim::OutputKind::Printf))
      if (text.find("sent by Excel") != std::string::npos) leftOut.push_back(text);
    EXPECT_EQ(c.messages, leftOut);
    EXPECT_EQ(std::vector<std::string>{nothing}, sim::OutputTexts(sim::OutputKind::Error));
    EXPECT_EQ(nullptr, pendingTableCell);
    EXPECT_EQ("default", sim::RunningCommand());
    EXPECT_EQ(1, moduleIdle);
  }
  EXPECT_TRUE(Elements().empty());

  // Rows announced far longer than the cells sent: no row is ever complete.
  sim::ClearOutputLog();
  StartCreate();
  sim::TranscriptWriter t;
  t.Begin(1000000);
  sim::CellDescription cell;
  cell.address = "$A$1";
  cell.width = cell.layoutWidth = 30;
  cell.height = cell.layoutHeight = 10;
  cell.text = u"lost";
  t.Record(sim::EncodeCellRecord(cell));
  t.End(1);
  ASSERT_EQ("", sim::ReplayTranscript(t.frames()));
  sim::PumpMessages();
  EXPECT_EQ(std::vector<std::string>{nothing}, sim::OutputTexts(sim::OutputKind::Error));
  EXPECT_EQ("default", sim::RunningCommand());
  EXPECT_TRUE(Elements().empty());
}

TEST_F(CreateFlowTest, ARangeWithNothingToDrawIsSkippedAndTheOthersPlaced) {
  json empty = Range(1, 1, -1, "Second");
  empty["columnWidths"] = {-30.0};
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1, -1, "First"), empty}}}));
  sim::ClearOutputLog();
  sim::SendDataPoint({0, 0, 0});
  EXPECT_EQ(std::vector<std::string>{"The range holds nothing to draw; no table is placed."},
            sim::OutputTexts(sim::OutputKind::Error));
  EXPECT_EQ(1u, Elements().size());
  EXPECT_EQ("default", sim::RunningCommand());
  EXPECT_EQ(nullptr, pendingTableCell);
}

TEST_F(CreateFlowTest, AnOutputRequestAtTheEndOfEveryRangeStillPlacesEachTableOnce) {
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1, 1, "First"), Range(1, 1, 1, "Second")}}}));
  EXPECT_TRUE(sim::OutputTexts(sim::OutputKind::HostMessageBox).empty());
  sim::SendDataPoint({0, 0, 0});
  sim::SendDataPoint({50, 0, 0});
  EXPECT_EQ(2u, Elements().size());
  EXPECT_EQ(1, moduleIdle);
}

TEST_F(CreateFlowTest, EndFlagsDecideWhetherATransferOutputsCancelsOrWaits) {
  StartCreate();
  // Flags 0: neither output nor cancel; a later end message is still honoured.
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1, 0)}}}));
  EXPECT_EQ(nullptr, pendingTableCell);
  ASSERT_NE(nullptr, signalWindow);
  SendMessageA(signalWindow->GetSafeHwnd(), kMsgEndTable, 0, kEndFlagOutput);
  sim::PumpMessages();
  EXPECT_NE(nullptr, pendingTableCell);
  // Once an end message with flags was handled, further ones are ignored.
  Quorvelle_CleanUp();
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1, 1)}}}));
  MSElementDescr* pending = pendingTableCell;
  ASSERT_NE(nullptr, pending);
  // The window stays until the table is placed; a second end message is ignored.
  SendMessageA(signalWindow->GetSafeHwnd(), kMsgEndTable, 0, kEndFlagCancel);
  sim::PumpMessages();
  EXPECT_EQ(pending, pendingTableCell);
  EXPECT_EQ(0, moduleIdle);
}

TEST_F(CreateFlowTest, ACancelledTransferEndsTheCommandWithoutATable) {
  StartCreate();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  ASSERT_EQ("", Send({{"ranges", {Range(2, 2, 2)}}}));
  EXPECT_EQ(nullptr, pendingTableCell);
  EXPECT_TRUE(Elements().empty());
  EXPECT_EQ(1, moduleIdle);
  EXPECT_TRUE(sim::ExcelEnded(*excel));
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(CreateFlowTest, RecordsOutsideARangeAreIgnoredAndTextsShownAsTheyAre) {
  StartCreate();
  HWND window = FindWindowA(nullptr, kSignalWindowCaption);
  ASSERT_NE(nullptr, window);
  std::vector<unsigned char> record(kCellRecordSize, 0);
  COPYDATASTRUCT copy{kCopyDataRecord, static_cast<DWORD>(record.size()), record.data()};
  SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  EXPECT_TRUE(signalWindow->rows.rowInProgress.Cells.empty());
  char text[] = "100% of %s done %n";
  COPYDATASTRUCT message{kCopyDataMessage, sizeof text, text};
  SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message));
  EXPECT_EQ(std::vector<std::string>{"100% of %s done %n"}, sim::OutputTexts(sim::OutputKind::Printf));
  char path[] = {'C', ':', '\\', 'a'};  // no terminator: read only within the block
  COPYDATASTRUCT pathBlock{kCopyDataPath, sizeof path, path};
  SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&pathBlock));
  EXPECT_EQ("C:\\a", signalWindow->transferredPath);
}

TEST_F(CreateFlowTest, SplitModeAsksForTwoCornersAndWritesThePropertiesAtTheSecond) {
  WriteProfileInt("Quorvelle", "SplitRowsToColumns", 1);
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(6, 1)}}}));
  EXPECT_EQ("Identify the top left corner of the first column:", sim::OutputTexts(sim::OutputKind::Prompt).back());
  ASSERT_NE(nullptr, pendingTableCell);
  EXPECT_EQ(nullptr, pendingTableCell->h.firstElem);  // nothing drawn yet
  for (const auto& l : pendingTableCell->el.linkages) EXPECT_LT(l.key, 50) << "properties before the corners";
  sim::SendDataPoint({0, 0, 0});
  EXPECT_EQ("Identify the bottom left corner of the second column:", sim::OutputTexts(sim::OutputKind::Prompt).back());
  EXPECT_TRUE(Elements().empty());
  sim::SendDataPoint({40, -25, 0});
  json elements = Elements();
  ASSERT_EQ(1u, elements.size());
  EXPECT_EQ("1;0.000000;0.000000;40.000000;-25.000000", Linkage(elements[0], 89));
  EXPECT_EQ(1, moduleIdle);
}

TEST_F(CreateFlowTest, SplitPropertiesThatDoNotFitAreLeftOutAndTheUserIsTold) {
  WriteProfileInt("Quorvelle", "SplitRowsToColumns", 1);
  WriteProfileString("Quorvelle", "ColumnWidths", std::string(70000, '5'));  // more than a cell header holds
  StartCreate();
  ASSERT_EQ("", Send({{"ranges", {Range(6, 1)}}}));
  sim::SendDataPoint({0, 0, 0});
  sim::ClearOutputLog();
  sim::SendDataPoint({40, -25, 0});
  EXPECT_EQ(std::vector<std::string>{"The table properties do not fit on the table cell; the table is placed without "
                                     "them."},
            sim::OutputTexts(sim::OutputKind::Error));
  json elements = Elements();
  ASSERT_EQ(1u, elements.size());
  for (const auto& l : elements[0]["linkages"]) EXPECT_LT(l["key"], 50) << "a property was kept";
  EXPECT_EQ("Cell_Quorvelle", elements[0]["name"]);
  EXPECT_EQ(1, moduleIdle);
}

TEST_F(CreateFlowTest, AProjectWiseDocumentIsLinkedByItsServerPathAndItsLocalCopyRemoved) {
  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}", "", "QuorvellePW");
  StartCreate();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  std::string copy = UserOpensWorkbook("dms00123.xlsx");
  sim::RegisterProjectWiseAddin(*excel, {"pw:\\\\server*Projects\\Doors.xlsx??", {}}, true);
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1)}}}));
  sim::SendDataPoint({0, 0, 0});
  json elements = Elements();
  ASSERT_EQ(1u, elements.size());
  EXPECT_EQ("pw:\\\\server*Projects\\Doors.xlsx", Linkage(elements[0], 4));
  EXPECT_FALSE(std::filesystem::exists(dir.File("dms00123.xlsx")));
  (void)copy;
}

// A fault inside the component is reported under the operation that asked it; the
// table is placed, linked to the workbook as Excel has it.
TEST_F(CreateFlowTest, AFaultInsideTheProjectWiseComponentIsReportedAndTheTablePlaced) {
  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}", "", "QuorvellePW");
  StartCreate();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  UserOpensWorkbook("dms00123.xlsx");
  sim::RegisterProjectWiseAddin(*excel, {"pw:\\\\server*Projects\\Doors.xlsx??", {}}, true);
  sim::FaultOperation("ProjectWiseActiveDocumentPath");
  ASSERT_EQ("", Send({{"ranges", {Range(1, 1)}}}));
  const auto reports = sim::OutputTexts(sim::OutputKind::AdvisoryBox);
  ASSERT_EQ(1u, reports.size());
  EXPECT_EQ(0u, reports[0].find("Catched the Exception in CSignalDlg::GetWorkbookPathOnProjectWise: C0000005.\n"))
      << reports[0];
  sim::SendDataPoint({0, 0, 0});
  EXPECT_EQ(1u, Elements().size());
}

TEST_F(CreateFlowTest, ExcelThatCannotStartEndsTheOperationWithItsMessage) {
  sim::FailOperation("CreateAutomationApplication");
  StartCreate();
  auto boxes = sim::OutputTexts(sim::OutputKind::AdvisoryBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(0u, boxes[0].find("Quorvelle failed to start Excel: 80080005.\n\nPlease reinstall your Office"));
  EXPECT_EQ(1, moduleIdle);
  EXPECT_EQ(nullptr, signalWindow);
}

TEST_F(CreateFlowTest, AnExcelThatStaysInvisibleIsReported) {
  sim::SetExcelStartup([](ExcelApplication& excel) {
    sim::SetExcelVersion(excel, "15.0");
    sim::SetExcelStaysInvisible(excel, true);
  });
  StartCreate();
  auto boxes = sim::OutputTexts(sim::OutputKind::WindowsMessageBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(0u, boxes[0].find("Can't start Excel normally."));
  EXPECT_NE(std::string::npos, boxes[0].find("support@korvu.com. The screenshot will help troubleshooting."));
  EXPECT_EQ(1, moduleIdle);
  sim::SetExcelStartup(nullptr);
}

TEST_F(CreateFlowTest, AnAddinThatCannotBeReloadedIsNamedAndTheCommandGoesOn) {
  sim::SetExcelStartup([](ExcelApplication& excel) {
    sim::AddExcelAddIn(excel, "Solver", true);
    sim::AddExcelAddIn(excel, "Lost Tools", true, /*fileMissing=*/true);
    sim::AddExcelAddIn(excel, "Euro Tools", false);
  });
  StartCreate();
  sim::SetExcelStartup(nullptr);
  auto addIns = sim::AddInsOf(*sim::LastStartedExcel());
  ASSERT_EQ(3u, addIns.size());
  EXPECT_TRUE(addIns[0].installed);
  EXPECT_EQ(2, addIns[0].installedWrites);
  EXPECT_FALSE(addIns[1].installed);  // uninstalled, and its file is gone
  EXPECT_EQ(0, addIns[2].installedWrites);
  EXPECT_EQ(std::vector<std::string>{"The add-in Lost Tools of Excel could not be reloaded: "
                                     "Unable to set the Installed property of the AddIn class"},
            sim::OutputTexts(sim::OutputKind::Printf));
  ASSERT_NE(nullptr, signalWindow);  // still waiting for the range
  EXPECT_EQ(0, moduleIdle);
}

}  // namespace
